#include "ui/main_form.h"

#include "core/array_name.h"
#include "core/form_widgets.h"
#include "core/twips.h"
#include "ui/clickable_picture.h"
#include "ui/design_font.h"
#include "ui/design_panel.h"
#include "ui/picture_art.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <QHash>
#include <optional>
#include <type_traits>

namespace {

enum class Kind {
    Panel, // framed panel with an optional caption
    Area,  // borderless container
    Label,
    Field,        // single-line text
    LockedCell,   // read-only text cell of the grid's axes
    Note,         // multi-line text
    List,         // drop-down list, no typing
    EditableList, // drop-down list whose text field accepts typing
    Option,
    Button,
    ScrollBar,
    Picture,
};

enum class Font {
    Default,
    Caption,
    CaptionBold,
    SmallCaption,
    Value,
    Cell,
    Note,
    RowLabel,
    Header,
    GraphOption
};

struct TwipRect {
    int left, top, width, height;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// The colour of the locked axis cells; the grid editor reads it back from Label100.
constexpr QRgb kLocked = qRgb(212, 220, 232);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

template <class T> T* expect(QWidget* widget) {
    auto* typed = qobject_cast<T*>(widget);
    if (!typed)
        qFatal("The design widget %s is not of the type the code expects",
               qPrintable(widget->objectName()));
    return typed;
}

template <auto member> void bind(FormWidgets& form, QWidget* widget, int) {
    using Pointer = std::remove_reference_t<decltype(form.*member)>;
    form.*member = expect<std::remove_pointer_t<Pointer>>(widget);
}

// An element of a control array, at its index in the array.
template <auto member> void element(FormWidgets& form, QWidget* widget, int index) {
    auto& array = form.*member;
    using Pointer = typename std::remove_reference_t<decltype(array)>::value_type;
    array.at(size_t(index)) = expect<std::remove_pointer_t<Pointer>>(widget);
}

// One column of the grid's row 0: each column is an array of its own.
template <auto member, int column> void elementAt(FormWidgets& form, QWidget* widget, int) {
    element<member>(form, widget, column);
}

// Hands a widget just made to its typed place in the form; `element` is its index in
// its control array.
using Bind = void (*)(FormWidgets& form, QWidget* widget, int element);

struct DesignItem {
    const char* parent; // nullptr: the window itself
    const char* name;
    Bind bind; // nullptr: no code works with the widget
    Kind kind;
    TwipRect at;
    const char* text = "";
    const char* items = ""; // list items, separated by '|'
    Font font = Font::Default;
    Qt::Alignment align = kLeft;
    int index = -1; // element of a control array; -1 for a plain widget
    int count = 1;  // consecutive elements, each `step` twips right of the one before
    int step = 0;
    std::optional<QRgb> background = std::nullopt;
    std::optional<QRgb> foreground = std::nullopt;
};

const char* const kCuts = "0%|25%|50%|100%";
const char* const kCounts = "0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15";

// Containers come before what they hold.
// clang-format off
const DesignItem kDesign[] = {
    {nullptr, "Frame2", bind<&FormWidgets::gridPanel>, Kind::Panel, {0, 0, 7575, 10215}, "Előgyújtás értékek (RPM x terhelés)"},
    {"Frame2", "Frame1", bind<&FormWidgets::viewport>, Kind::Panel, {120, 720, 7335, 9375}, "VORTAMIX"},
    {nullptr, "Frame5", nullptr, Kind::Panel, {0, 10200, 7575, 1095}, "Megjegyzés"},
    {nullptr, "Frame18", bind<&FormWidgets::graph2D>, Kind::Panel, {7680, 120, 7575, 5295}, "", "", Font::Default, kLeft, -1, 1, 0, kBlack, kWhite},
    {nullptr, "Frame7", bind<&FormWidgets::graph3D>, Kind::Panel, {7680, 120, 7575, 5295}, "Grafikon", "", Font::Default, kLeft, -1, 1, 0, kBlack, kWhite},
    {nullptr, "Frame3", nullptr, Kind::Panel, {7680, 5400, 1215, 2175}, "Művelet"},
    {nullptr, "Frame12", nullptr, Kind::Panel, {9000, 5400, 1215, 975}, "Oszlop"},
    {nullptr, "Frame15", nullptr, Kind::Panel, {10320, 5400, 1095, 975}},
    {nullptr, "Frame17", nullptr, Kind::Panel, {11520, 5400, 3735, 615}},
    {nullptr, "Frame8", nullptr, Kind::Panel, {11520, 6000, 3735, 1455}},
    {nullptr, "Frame14", nullptr, Kind::Panel, {9000, 6360, 1215, 1215}, "Szerkeszt"},
    {nullptr, "Frame19", nullptr, Kind::Panel, {10320, 6360, 1095, 1215}, "Grafikon"},
    {nullptr, "Frame4", nullptr, Kind::Panel, {11520, 7440, 3735, 1065}},
    {nullptr, "Frame13", nullptr, Kind::Panel, {7680, 7560, 3735, 615}},
    {nullptr, "Frame11", nullptr, Kind::Panel, {7680, 8160, 3735, 1455}, "Terhelés bemenet"},
    {nullptr, "Frame10", nullptr, Kind::Panel, {11520, 8520, 3735, 1065}},
    {nullptr, "Frame9", nullptr, Kind::Panel, {7680, 9600, 3735, 615}},
    {nullptr, "Frame6", nullptr, Kind::Panel, {11520, 9600, 2415, 615}},
    {nullptr, "Frame16", nullptr, Kind::Panel, {7680, 10200, 3735, 1095}, "Bemeneti zárásszög alapú számítás"},
    {nullptr, "Picture3", bind<&FormWidgets::hungarianFlag>, Kind::Picture, {14010, 9720, 615, 495}},
    {nullptr, "Picture4", bind<&FormWidgets::englishFlag>, Kind::Picture, {14640, 9720, 615, 495}},
    {nullptr, "Picture2", bind<&FormWidgets::logo>, Kind::Picture, {11500, 10300, 3735, 995}},

    {"Frame2", "Label100", bind<&FormWidgets::lockedCorner>, Kind::Label, {120, 360, 735, 360}, "", "", Font::CaptionBold, kCentre, -1, 1, 0, kLocked},
    {"Frame2", "TextLabel1", element<&FormWidgets::headers>, Kind::LockedCell, {840, 360, 495, 375}, "100%", "", Font::Header, kCentre, 0, 12, 480, kLocked},
    {"Frame2", "TextLabel1", element<&FormWidgets::headers>, Kind::LockedCell, {6600, 360, 855, 375}, "Tiltás", "", Font::Header, kCentre, 12, 1, 0, kLocked},
    {"Frame2", "VScroll", bind<&FormWidgets::scrollBar>, Kind::ScrollBar, {7200, 360, 255, 9735}},
    {"Frame1", "Picture1", bind<&FormWidgets::rows>, Kind::Area, {0, 0, 7335, 9375}},
    {"Picture1", "TextLabel2", bind<&FormWidgets::firstRowLabel>, Kind::LockedCell, {0, 0, 735, 375}, "16000", "", Font::RowLabel, kCentre, 0, 1, 0, kLocked},
    {"Picture1", "Text1", elementAt<&FormWidgets::firstRowCells, 0>, Kind::Field, {720, 0, 495, 360}, "65,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text2", elementAt<&FormWidgets::firstRowCells, 1>, Kind::Field, {1200, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text3", elementAt<&FormWidgets::firstRowCells, 2>, Kind::Field, {1680, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text4", elementAt<&FormWidgets::firstRowCells, 3>, Kind::Field, {2160, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text5", elementAt<&FormWidgets::firstRowCells, 4>, Kind::Field, {2640, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text6", elementAt<&FormWidgets::firstRowCells, 5>, Kind::Field, {3120, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text7", elementAt<&FormWidgets::firstRowCells, 6>, Kind::Field, {3600, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text8", elementAt<&FormWidgets::firstRowCells, 7>, Kind::Field, {4080, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text9", elementAt<&FormWidgets::firstRowCells, 8>, Kind::Field, {4560, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text10", elementAt<&FormWidgets::firstRowCells, 9>, Kind::Field, {5040, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text11", elementAt<&FormWidgets::firstRowCells, 10>, Kind::Field, {5520, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Text12", elementAt<&FormWidgets::firstRowCells, 11>, Kind::Field, {6000, 0, 495, 360}, "0,5", "", Font::Cell, kCentre, 0},
    {"Picture1", "Combo9", bind<&FormWidgets::firstCutCombo>, Kind::List, {6480, 0, 855, 360}, "", kCuts, Font::Default, kLeft, 0},

    {"Frame5", "Text13", bind<&FormWidgets::note>, Kind::Note, {120, 240, 7335, 735}, "", "", Font::Note},
    {"Frame19", "Option5", bind<&FormWidgets::view2D>, Kind::Option, {120, 360, 855, 255}, "2 D", "", Font::GraphOption},
    {"Frame19", "Option6", bind<&FormWidgets::view3D>, Kind::Option, {120, 840, 855, 255}, "3 D", "", Font::GraphOption},
    {"Frame3", "Command3", bind<&FormWidgets::load>, Kind::Button, {110, 240, 975, 375}, "Betöltés", "", Font::Caption},
    {"Frame3", "Command2", bind<&FormWidgets::save>, Kind::Button, {110, 720, 975, 375}, "Mentés", "", Font::Caption},
    {"Frame3", "Command1", bind<&FormWidgets::send>, Kind::Button, {110, 1200, 975, 375}, "Áttöltés", "", Font::Caption},
    {"Frame3", "Command4", bind<&FormWidgets::version>, Kind::Button, {110, 1680, 975, 375}, "Verzió?", "", Font::Caption},
    {"Frame12", "Combo8", bind<&FormWidgets::columnChooser>, Kind::List, {175, 240, 855, 330}},
    {"Frame12", "Command8", bind<&FormWidgets::increaseColumn>, Kind::Button, {110, 600, 495, 255}, "+", "", Font::Caption},
    {"Frame12", "Command9", bind<&FormWidgets::decreaseColumn>, Kind::Button, {595, 600, 495, 255}, "-", "", Font::Caption},
    {"Frame15", "Label9", nullptr, Kind::Label, {240, 195, 495, 255}, "Port:", "", Font::Caption, kCentre},
    {"Frame15", "Combo1", bind<&FormWidgets::port>, Kind::List, {60, 550, 975, 330}, "", "Com1|Com2|Com3|Com4|Com5|Com6|Com7|Com8|Com9|Com10|Com11|Com12|Com13|Com14|Com15|Com16"},
    {"Frame17", "Label13", nullptr, Kind::Label, {120, 240, 2415, 255}, "Működési elv:", "", Font::Caption},
    {"Frame17", "Combo12", bind<&FormWidgets::operationMode>, Kind::List, {2520, 200, 1095, 330}, "", "normál|bipoláris"},
    {"Frame8", "Label7", nullptr, Kind::Label, {120, 265, 2175, 375}, "Trafó vezérlés módja:", "", Font::Caption},
    {"Frame8", "Combo4", bind<&FormWidgets::coilControl>, Kind::List, {2280, 240, 1335, 330}, "", "Zarasido|Zarasszog"},
    {"Frame8", "Label3", bind<&FormWidgets::sparkLabel>, Kind::Label, {120, 705, 1215, 315}, "Szikra (ms):", "", Font::Caption},
    {"Frame8", "Text15", bind<&FormWidgets::spark>, Kind::Field, {1320, 650, 495, 360}, "15,5", "", Font::Value},
    {"Frame8", "Label4", bind<&FormWidgets::chargeLabel>, Kind::Label, {1920, 705, 1215, 330}, "Zárás (ms):", "", Font::Caption},
    {"Frame8", "Text16", bind<&FormWidgets::charge>, Kind::Field, {3120, 650, 495, 360}, "1,5", "", Font::Value},
    {"Frame8", "Label18", bind<&FormWidgets::dwellLabel>, Kind::Label, {120, 705, 2895, 255}, "Zárásszög (vez.tengely fok):", "", Font::Caption},
    {"Frame8", "Label16", bind<&FormWidgets::correctionLabel>, Kind::Label, {0, 705, 2895, 255}, "Szögkorrekció(főtengely fok):", "", Font::Caption, kRight},
    {"Frame8", "Text19", bind<&FormWidgets::dwell>, Kind::Field, {3000, 650, 615, 360}, "", "", Font::Value},
    {"Frame8", "Label11", bind<&FormWidgets::limitLabel>, Kind::Label, {120, 1080, 3495, 255}, "Szikrateljesítmény határ(RPM):", "", Font::Caption},
    {"Frame14", "Command10", bind<&FormWidgets::mapButton>, Kind::Button, {110, 240, 975, 375}, "MAP", "", Font::SmallCaption},
    {"Frame14", "Command5", bind<&FormWidgets::rpmButton>, Kind::Button, {110, 720, 975, 375}, "RPM", "", Font::SmallCaption},
    {"Frame4", "Label5", nullptr, Kind::Label, {120, 240, 2295, 255}, "Bemeneti él polaritás:", "", Font::Caption},
    {"Frame4", "Combo3", bind<&FormWidgets::inputPolarity>, Kind::List, {2520, 240, 1095, 330}, "", "Lefuto|Fellfuto"},
    {"Frame4", "Label6", nullptr, Kind::Label, {120, 600, 2295, 255}, "Kimeneti él polaritás:", "", Font::Caption},
    {"Frame4", "Combo2", bind<&FormWidgets::outputPolarity>, Kind::List, {2520, 600, 1095, 330}, "", "Lefuto|Fellfuto"},
    {"Frame13", "Label10", nullptr, Kind::Label, {120, 240, 2535, 255}, "Felosztás(RPM x terhelés):", "", Font::Caption},
    {"Frame13", "Combo6", bind<&FormWidgets::resolution>, Kind::EditableList, {2640, 200, 975, 330}, "", "60 x 1|60 x 4|40 x 6|30 x 8|20 x 12"},
    {"Frame11", "Option1", bind<&FormWidgets::loadInputUsed>, Kind::Option, {240, 240, 1335, 255}, "Használ", "", Font::Caption},
    {"Frame11", "Option2", bind<&FormWidgets::loadInputNotUsed>, Kind::Option, {2040, 240, 1575, 255}, "Nem használ", "", Font::Caption},
    {"Frame11", "Label14", nullptr, Kind::Label, {120, 625, 2655, 255}, "Terhelés mértékegysége:", "", Font::Caption},
    {"Frame11", "Combo5", bind<&FormWidgets::loadUnit>, Kind::List, {2880, 600, 735, 330}, "", "V|%|Bar"},
    {"Frame11", "Label15", nullptr, Kind::Label, {120, 1005, 2655, 255}, "MAP max.absz.nyomás(Bar):", "", Font::Caption},
    {"Frame11", "Text18", bind<&FormWidgets::mapMaximum>, Kind::Field, {2880, 960, 735, 345}, "", "", Font::Value},
    {"Frame10", "Label1", nullptr, Kind::Label, {120, 270, 2775, 255}, "Transzparens sávok:", "", Font::Caption},
    {"Frame10", "Combo11", bind<&FormWidgets::transparentCount>, Kind::List, {3000, 240, 615, 330}, "", kCounts},
    {"Frame10", "Label2", nullptr, Kind::Label, {120, 635, 2775, 255}, "Zárásidő-korrekciós sávok:", "", Font::Caption},
    {"Frame10", "Combo10", bind<&FormWidgets::chargeCorrectionCount>, Kind::List, {3000, 600, 615, 330}, "", kCounts},
    {"Frame9", "Label8", nullptr, Kind::Label, {45, 225, 2775, 255}, "Fordulatszám határolás(RPM):", "", Font::Caption},
    {"Frame9", "Text17", bind<&FormWidgets::revLimit>, Kind::Field, {2880, 170, 735, 360}, "", "", Font::Value},
    {"Frame6", "Label17", nullptr, Kind::Label, {120, 240, 1455, 255}, "Hengerszám:", "", Font::Caption},
    {"Frame6", "Combo7", bind<&FormWidgets::cylinders>, Kind::EditableList, {1680, 200, 615, 330}, "", "2|3|4|5|6|8"},
    {"Frame16", "Option4", bind<&FormWidgets::inputDwellOn>, Kind::Option, {480, 240, 1335, 255}, "Bekapcsol", "", Font::Caption},
    {"Frame16", "Option3", bind<&FormWidgets::inputDwellOff>, Kind::Option, {2160, 240, 1335, 255}, "Kikapcsol", "", Font::Caption},
    {"Frame16", "Label12", nullptr, Kind::Label, {120, 640, 2775, 255}, "Zárásszög (vez.tengely fok):", "", Font::Caption},
    {"Frame16", "Text14", bind<&FormWidgets::inputDwell>, Kind::Field, {3000, 600, 615, 345}, "", "", Font::Value},
};
// clang-format on

// Fields that hold only numbers need no text shaping, which was a tenth of a loaded map's
// repaint; the glyphs come out the same.
QFont numbersOnly(QFont font) {
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont fontOf(Font font) {
    const QString lucida = QStringLiteral("Lucida Sans Unicode");
    const QString arial = QStringLiteral("Arial");
    switch (font) {
    case Font::Caption:
        return designFont(lucida, 9.75);
    case Font::CaptionBold:
        return designFont(lucida, 9.75, true);
    case Font::SmallCaption:
        return designFont(lucida, 8.25);
    case Font::Value:
        return numbersOnly(designFont(arial, 9.75, true));
    case Font::Cell:
        return numbersOnly(designFont(arial, 9.75));
    case Font::Note:
        return designFont(arial, 8.25);
    case Font::RowLabel:
        return numbersOnly(designFont(lucida, 8.25, true));
    case Font::Header:
        return designFont(lucida, 6.75, true);
    case Font::GraphOption:
        return designFont(arial, 11.25, true);
    case Font::Default:
        break;
    }
    return designFont(QStringLiteral("MS Sans Serif"), 8.25);
}

QWidget* create(const DesignItem& item, QWidget* parent) {
    const QString text = QString::fromUtf8(item.text);
    switch (item.kind) {
    case Kind::Panel:
        return new DesignPanel(text, parent);
    case Kind::Area: {
        // Opaque, so that the rows cover the frame line and caption of their panel.
        auto* area = new QWidget(parent);
        area->setAutoFillBackground(true);
        return area;
    }
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(item.align);
        return label;
    }
    case Kind::Field:
    case Kind::LockedCell: {
        auto* field = new QLineEdit(text, parent);
        field->setAlignment(item.align);
        field->setReadOnly(item.kind == Kind::LockedCell);
        return field;
    }
    case Kind::Note: {
        auto* note = new QPlainTextEdit(text, parent);
        note->setTabChangesFocus(true);
        return note;
    }
    case Kind::List:
    case Kind::EditableList: {
        auto* list = new QComboBox(parent);
        list->setEditable(item.kind == Kind::EditableList);
        if (*item.items)
            list->addItems(QString::fromUtf8(item.items).split(QLatin1Char('|')));
        return list;
    }
    case Kind::Option:
        return new QRadioButton(text, parent);
    case Kind::Button:
        return new QPushButton(text, parent);
    case Kind::ScrollBar:
        return new QScrollBar(Qt::Vertical, parent);
    case Kind::Picture:
        return new ClickablePicture(parent);
    }
    return nullptr;
}

void applyColours(const DesignItem& item, QWidget* widget) {
    if (!item.background && !item.foreground)
        return;
    QPalette palette = widget->palette();
    if (item.background) {
        palette.setColor(QPalette::Window, QColor(*item.background));
        palette.setColor(QPalette::Base, QColor(*item.background));
        widget->setAutoFillBackground(true);
    }
    if (item.foreground) {
        palette.setColor(QPalette::WindowText, QColor(*item.foreground));
        palette.setColor(QPalette::Text, QColor(*item.foreground));
    }
    widget->setPalette(palette);
}

// The panels and areas made so far, by layout name: later items name them as parents.
using Containers = QHash<QLatin1String, QWidget*>;

void buildItem(const DesignItem& item, QWidget* root, Containers& containers, FormWidgets& form) {
    QWidget* parent = item.parent ? containers.value(QLatin1String(item.parent)) : root;
    Q_ASSERT(parent); // containers come first in the design
    for (int i = 0; i < item.count; ++i) {
        DesignItem element = item;
        if (i > 0)
            element.text = ""; // the design text belongs to element 0 only
        QWidget* widget = create(element, parent);
        widget->setObjectName(item.index < 0 ? QString::fromLatin1(item.name)
                                             : arrayName(item.name, item.index + i));
        widget->setFont(fontOf(item.font));
        // Under the form's style sheet an editable list's own field keeps the application
        // font, which is wider: the list's longest item would scroll out of sight.
        if (auto* list = qobject_cast<QComboBox*>(widget); list && list->lineEdit())
            list->lineEdit()->setFont(widget->font());
        widget->setGeometry(
            Twips::rect(item.at.left + i * item.step, item.at.top, item.at.width, item.at.height));
        applyColours(item, widget);
        if (item.kind == Kind::Panel || item.kind == Kind::Area)
            containers.insert(QLatin1String(item.name), widget);
        if (item.bind)
            item.bind(form, widget, item.index + i);
    }
}

void drawPictures(const FormWidgets& form) {
    form.hungarianFlag->setPixmap(PictureArt::hungarianFlag());
    form.englishFlag->setPixmap(PictureArt::englishFlag());
    form.logo->setPixmap(PictureArt::logo());
    form.logo->setCursor(Qt::PointingHandCursor);
}

} // namespace

FormWidgets buildMainForm(QWidget* parent) {
    FormWidgets form;
    Containers containers;
    for (const DesignItem& item : kDesign)
        buildItem(item, parent, containers, form);
    drawPictures(form);
    parent->resize(Twips::toPixels(15300), Twips::toPixels(11325));
    return form;
}
