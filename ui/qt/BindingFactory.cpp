#include "ui/qt/BindingFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/RadioButton.h"
#include "ui/TabControl.h"
#include "ui/qt/ComboBinding.h"
#include "ui/qt/EditBinding.h"
#include "ui/qt/IpAddressBinding.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/ListViewBinding.h"
#include "ui/qt/SimpleBindings.h"
#include "ui/qt/TabBinding.h"

namespace lanvane {

namespace {

template <class Widget>
Widget& Place(Widget* widget, const Control& control, const DialogUnits& units) {
    widget->setGeometry(units.Rect(control.Rect()));
    // Tab stops are reached with the tab key; the other controls only by a click.
    if (control.CanTakeFocus()) {
        widget->setFocusPolicy(control.HasStyle(style::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    return *widget;
}

template <class Model>
Model& As(Control& control) {
    return static_cast<Model&>(control);
}

}  // namespace

std::unique_ptr<ControlBinding> MakeBinding(Control& control, QWidget& parent, const DialogUnits& units,
                                            const QIcon& icon, WindowHost& host) {
    switch (control.Kind()) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return std::make_unique<ButtonBinding>(As<PushButton>(control),
                                               Place(new QPushButton(&parent), control, units), host);
    case ControlKind::RadioButton:
        return std::make_unique<CheckableBinding>(As<RadioButton>(control),
                                                  Place(new QRadioButton(&parent), control, units), host);
    case ControlKind::CheckBox:
        return std::make_unique<CheckableBinding>(As<CheckBox>(control),
                                                  Place(new QCheckBox(&parent), control, units), host);
    case ControlKind::Edit:
        return std::make_unique<EditBinding>(As<EditControl>(control),
                                             Place(new QLineEdit(&parent), control, units), host);
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
        return std::make_unique<ComboBinding>(As<ComboBox>(control),
                                              Place(new QComboBox(&parent), control, units), host);
    case ControlKind::ListView:
        return std::make_unique<ListViewBinding>(As<ListView>(control),
                                                 Place(new QTableWidget(&parent), control, units), units,
                                                 host);
    case ControlKind::ProgressBar:
        return std::make_unique<ProgressBinding>(As<ProgressBar>(control),
                                                 Place(new QProgressBar(&parent), control, units), host);
    case ControlKind::TabControl:
        return std::make_unique<TabBinding>(As<TabControl>(control),
                                            Place(new QTabWidget(&parent), control, units), host);
    case ControlKind::IpAddress:
        return std::make_unique<IpAddressBinding>(As<IpAddressControl>(control),
                                                  Place(new IpAddressEdit(&parent), control, units), host);
    case ControlKind::GroupBox:
        return std::make_unique<GroupBoxBinding>(control, Place(new QGroupBox(&parent), control, units),
                                                 host);
    case ControlKind::Icon:
        return std::make_unique<IconBinding>(control, Place(new QLabel(&parent), control, units), icon, host);
    case ControlKind::StaticText:
        break;
    }
    return std::make_unique<LabelBinding>(control, Place(new QLabel(&parent), control, units), host);
}

}  // namespace lanvane
