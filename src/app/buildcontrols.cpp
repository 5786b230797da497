#include "app/buildcontrols.h"

#include "app/controls.h"
#include "app/fonts.h"
#include "app/pictures.h"

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace barvoznak {

namespace {

// The colour buttons of the design's grid, each with its number and place.
void makeColorButtons(QWidget *page)
{
    for (int band = 1; band <= bands::kBandTotal; ++band)
        for (bands::ColorIndex c = bands::kBlack; c <= bands::kColorCount; ++c)
            if (design::buttonExists(band, c)) {
                auto *button = new ColorButton(band, c, page);
                button->setObjectName(QStringLiteral("Command%1").arg(design::buttonNumber(band, c)));
                button->setGeometry(design::onPage(design::colorButton(band, c)));
            }
    // The red button of band 1 is taller than the grid and stands over the orange one below it.
    namedControl<ColorButton>(page, QStringLiteral("Command3"))->raise();
}

Label *makeLabel(const design::Control &row, const QString &caption, QWidget *container)
{
    auto *label = new Label(caption, container);
    label->setAutoFillBackground(!row.look.transparent);
    label->setAlignment(row.look.align | Qt::AlignTop);
    if (row.look.white) {
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
    }
    return label;
}

// A thin solid line in the window text colour. The frame fills its whole box in that colour, as its own line
// would be a device pixel thin on a high-density screen.
QFrame *makeLine(QWidget *container)
{
    auto *line = new QFrame(container);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
    return line;
}

// Gives a control made from a row what every kind takes from it: name, place, font, pointer, spoken name.
void place(const design::Control &row, QWidget *control)
{
    control->setObjectName(QLatin1String(row.name));
    control->setGeometry(row.frame ? design::px(row.place) : design::onPage(row.place));
    if (row.look.font != DesignFont::Dialog) // else the window's own
        control->setFont(designFont(row.look.font));
    if (row.look.pointer != Qt::ArrowCursor)
        control->setCursor(row.look.pointer);
    if (row.spoken)
        control->setAccessibleName(QString::fromUtf8(row.spoken));
    if (auto *label = qobject_cast<Label *>(control))
        label->setAutoSize(row.look.autoSize);
}

void makeRow(const design::Control &row, QWidget *page)
{
    using design::Kind;
    QWidget *container = row.frame ? namedControl<QGroupBox>(page, QLatin1String(row.frame)) : page;
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::ColorButtons:
        return makeColorButtons(page);
    case Kind::Label:
        return place(row, makeLabel(row, caption, container));
    case Kind::Picture:
        return place(row, new Picture(caption, container));
    case Kind::Shape:
    case Kind::RoundedShape:
        return place(row, new BandShape(row.kind == Kind::RoundedShape, container));
    case Kind::Frame:
        return place(row, new QGroupBox(caption, container));
    case Kind::Option: {
        auto *option = new QRadioButton(caption, container);
        option->setChecked(row.look.selected);
        return place(row, option);
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(caption, container);
        box->setAlignment(row.look.align | Qt::AlignVCenter);
        return place(row, box);
    }
    case Kind::Line:
        return place(row, makeLine(container));
    }
}

} // namespace

void buildControls(QWidget *page, std::span<const design::Control> rows)
{
    for (const design::Control &row : rows)
        makeRow(row, page);
}

} // namespace barvoznak
