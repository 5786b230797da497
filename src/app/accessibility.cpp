#include "app/accessibility.h"

#include "app/controls.h"

#include <QAccessibleWidget>
#include <QFrame>

#include <mutex>

namespace barvoznak {

namespace {

// A label as accessibility clients meet it: its text, a link where it opens a web page, the control whose
// entry it shows, and, where a click does something, the press action. Like Qt's own buttons, the action
// returns at once and the click's handler runs from the event loop, so a client never waits on a modal box.
class LabelAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    // Where its text is, the design's place; the room round it only holds the focus mark.
    QRect rect() const override
    {
        const QRect text = label()->contentsRect();
        return { label()->mapToGlobal(text.topLeft()), text.size() };
    }
    QAccessible::Role role() const override
    {
        return label()->link().isEmpty() ? QAccessible::StaticText : QAccessible::Link;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        if (t == QAccessible::Description && !label()->link().isEmpty())
            return label()->link();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        const auto add = [&](QWidget *other, QAccessible::Relation relation) {
            if (other && (match & relation))
                related.append({ QAccessible::queryAccessibleInterface(other), relation });
        };
        add(label()->buddy(), QAccessible::Labelled);
        add(label()->controlledBy(), QAccessible::Controller);
        return related;
    }
    QStringList actionNames() const override
    {
        return label()->isClickable() ? QStringList { pressAction() } : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->isClickable())
            QMetaObject::invokeMethod(
                label(), [label = label()] { label->click(); }, Qt::QueuedConnection);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// What our own controls are to accessibility clients: the main window a window, pictures and band shapes
// images, the drawn lines separators.
QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("barvoznak::Label"))
        return new LabelAccessible(static_cast<Label *>(widget));
    if (className == QLatin1String("barvoznak::Picture") || className == QLatin1String("barvoznak::BandShape"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("QFrame") && static_cast<QFrame *>(widget)->frameShape() == QFrame::HLine)
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("barvoznak::Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(accessibleFactory); });
}

} // namespace barvoznak
