#pragma once

#include <QGroupBox>
#include <QObject>

namespace lanvane {

// The access key of a frame moves the focus into the frame: to its checked choice, else to
// the first control there that takes the focus. The window's controls lie over the frame
// rather than inside it, so Qt's own handling of the key would find none.
class GroupBoxAccessKey final : public QObject {
public:
    explicit GroupBoxAccessKey(QGroupBox& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* FirstInside() const;

    QGroupBox& frame_;
};

}  // namespace lanvane
