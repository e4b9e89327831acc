#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QObject>
#include <array>
#include <functional>

namespace lanvane {

// An IPv4 address field: four small fields of up to three digits with dots between them, in
// one edit frame. Typing a dot or the third digit moves on to the next field.
class IpAddressEdit final : public QFrame {
public:
    static constexpr int kFieldCount = 4;

    explicit IpAddressEdit(QWidget* parent);

    QLineEdit& FieldEdit(int index) const { return *fields_[static_cast<std::size_t>(index)]; }
    // Called with the field and its new text whenever the user edits one.
    void OnFieldEdited(std::function<void(int, const QString&)> handler) { fieldEdited_ = std::move(handler); }
    // Shows text in a field without raising OnFieldEdited.
    void SetFieldText(int index, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FieldEdited(int index, const QString& text);
    int IndexOf(const QObject* field) const;

    std::array<QLineEdit*, kFieldCount> fields_{};
    std::function<void(int, const QString&)> fieldEdited_;
};

}  // namespace lanvane
