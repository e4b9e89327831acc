#include "QtTestSupport.h"

#include <QTest>

namespace lanvane::test {

UiScript::UiScript(QtBackend& ui, int timeLimitMs)
    : QtScript(ui, timeLimitMs, [&ui, reported = false]() mutable {
          if (!reported) {
              ADD_FAILURE() << "the script did not finish in time; every window is closed";
              reported = true;
          }
          ui.CloseInnermost();
          return ui.ModalDepth() == 0;
      }) {}

void ClickWidget(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

}  // namespace lanvane::test
