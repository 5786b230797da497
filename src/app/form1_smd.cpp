// The SMD page of the main window: two code boxes that decode as the user types.

#include "app/form1.h"
#include "rules/decimal.h"
#include "rules/smdcode.h"

#include <QGroupBox>
#include <QLineEdit>

namespace barvoznak {

namespace {

// Cuts an over-long code back (which raises the change once more, nested, on the cut text) and shows the
// decode of a full-length code; a shorter code leaves the last result in place.
void decodeInto(QLineEdit *box, Label *result, smd::CodeForm form)
{
    const QString cut = smd::cutBack(box->text(), form);
    if (cut != box->text())
        box->setText(cut);
    if (const auto caption = smd::decode(box->text(), form, localeDecimalSeparator()))
        result->setCaption(*caption);
}

} // namespace

void Form1::wireSmdPage()
{
    // A screen reader names each box by the label in front of it, describes it by its frame's caption and
    // leads from it to the value it decodes into (and back).
    for (const auto &[frame, prompt, box, valueCaption, result] :
        { std::array { "Frame2", "Label3", "Text1", "Label4", "Label5" },
            std::array { "Frame3", "Label11", "Text2", "Label12", "Label13" } }) {
        control<Label>(prompt)->setBuddy(control<QLineEdit>(box));
        control<QLineEdit>(box)->setAccessibleDescription(control<QGroupBox>(frame)->title());
        control<Label>(valueCaption)->setBuddy(control<Label>(result));
        control<Label>(result)->setControlledBy(control<QLineEdit>(box));
    }
    Text1 = control<QLineEdit>("Text1");
    Label5 = control<Label>("Label5");
    Text2 = control<QLineEdit>("Text2");
    Label13 = control<Label>("Label13");
    // The result label receives the box's changes, which is also how the box tells accessibility clients
    // which control it sets.
    connect(Text1, &QLineEdit::textChanged, Label5, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, Label13, [this] { Text2_Change(); });
}

void Form1::Text1_Change() { decodeInto(Text1, Label5, smd::CodeForm::ThreeChar); }
void Form1::Text2_Change() { decodeInto(Text2, Label13, smd::CodeForm::FourChar); }

} // namespace barvoznak
