#include "Accessibility.h"

#include "DrawingBox.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char *const kCover = "lingvarCover";
const char *const kOwnInterfaces = "lingvarOwnInterfaces";

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// A widget that a cover may hide: it is then neither visible nor showing, nor focusable.
class Coverable : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (a11y::isCovered(widget())) {
            s.invisible = true;
            s.focusable = false;
        }
        return s;
    }
};

// A label says its text, or shows a picture, unless it has a name of its own.
class Label : public Coverable
{
public:
    explicit Label(QWidget *w) : Coverable(w, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        const auto *l = static_cast<const QLabel *>(widget());
        return l->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = static_cast<const QLabel *>(widget())->text();
        return s;
    }
};

class Button : public Coverable
{
public:
    explicit Button(QWidget *w) : Coverable(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = withoutMnemonic(button()->text());
        return s;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = Coverable::state();
        s.pressed = button()->isDown();
        return s;
    }
    // A covered button does nothing, whoever asks.
    QStringList actionNames() const override
    {
        if (!button()->isEnabled() || a11y::isCovered(widget()))
            return {};
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (!actionNames().contains(action))
            return;
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

class Meter : public Coverable, public QAccessibleValueInterface
{
public:
    explicit Meter(QWidget *w) : Coverable(w, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return Coverable::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(box()->meterValue());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return box()->meterValue(); }
    void setCurrentValue(const QVariant &) override {} // the bar only reports
    QVariant maximumValue() const override { return box()->meterMaximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const DrawingBox *box() const { return static_cast<const DrawingBox *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w || !w->window()->property(kOwnInterfaces).toBool())
        return nullptr;
    if (w->isWindow()) // a plain widget would be a mere filler, and its title not a window's
        return new QAccessibleWidget(w, QAccessible::Window);
    // Matched by the Qt class that a widget has while it is built, since an interface asked for
    // then (a caption set in a constructor is announced) is the one kept.
    if (className == QLatin1String("QLabel"))
        return new Label(w);
    if (className == QLatin1String("QPushButton"))
        return new Button(w);
    if (className == QLatin1String("DrawingBox"))
        return new Meter(w);
    if (className == QLatin1String("QFrame"))
        return new Coverable(w, QAccessible::Pane);
    return nullptr;
}

bool coversWhole(const QWidget *cover, const QWidget *w)
{
    return cover->geometry().contains(w->geometry());
}

void announce(QWidget *w, QAccessible::Event type)
{
    QAccessibleEvent event(w, type);
    QAccessible::updateAccessibility(&event);
    for (QObject *child : w->children())
        if (auto *c = qobject_cast<QWidget *>(child); c && !c->isHidden() && !c->isWindow())
            announce(c, type);
}

} // namespace

namespace a11y {

void installFor(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(kOwnInterfaces, true);
}

void markAsCover(QWidget *cover)
{
    cover->setProperty(kCover, true);
}

bool isCovered(const QWidget *w)
{
    for (; w && !w->isWindow(); w = w->parentWidget()) {
        const QObjectList &siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto *s = qobject_cast<const QWidget *>(siblings[i]);
            if (s && !s->isHidden() && s->property(kCover).toBool() && coversWhole(s, w))
                return true;
        }
    }
    return false;
}

void setCoverShown(QWidget *cover, bool shown)
{
    if (cover->isHidden() != shown)
        return;
    cover->setVisible(shown);
    if (!QAccessible::isActive())
        return;
    const QObjectList &siblings = cover->parentWidget()->children();
    const QAccessible::Event type = shown ? QAccessible::ObjectHide : QAccessible::ObjectShow;
    for (qsizetype i = 0; i < siblings.indexOf(cover); ++i)
        if (auto *w = qobject_cast<QWidget *>(siblings[i]); w && !w->isHidden() && coversWhole(cover, w))
            announce(w, type);
}

} // namespace a11y
