#include "app/desktop/ToolkitMessageFilter.h"

#include <QString>
#include <QtGlobal>

namespace lanvane {

namespace {

QtMessageHandler previousHandler = nullptr;

bool IsHarmlessToolkitMessage(const QString& message) {
    return message.startsWith(QStringLiteral("This plugin does not support raise()")) ||
           message.startsWith(QStringLiteral("This plugin does not support propagateSizeHints()")) ||
           message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && IsHarmlessToolkitMessage(message)) {
        return;
    }
    previousHandler(type, context, message);
}

}  // namespace

void InstallToolkitMessageFilter() {
    previousHandler = qInstallMessageHandler(FilterMessage);
}

}  // namespace lanvane
