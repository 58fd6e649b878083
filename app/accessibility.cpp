// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessibility.h"

#include "app/frmpendolo.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>

namespace brovaci {

namespace {

Frmpendolo *windowOf(QWidget *control)
{
    return qobject_cast<Frmpendolo *>(control->window());
}

// Carries out a change now, or once the running scene has ended.
void afterScene(QWidget *control, std::function<void()> change)
{
    if (Frmpendolo *window = windowOf(control))
        window->afterScene(std::move(change));
    else
        change();
}

// A command button: pressing it clicks it.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QWidget *button) : QAccessibleWidget(button, QAccessible::Button) { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QAbstractButton *b = button();
        const Frmpendolo *window = windowOf(b);
        if (window && window->sceneRunning()) {
            // In its turn after the scene, and not drawn pressed meanwhile.
            afterScene(b, [b = QPointer<QAbstractButton>(b)] {
                if (b)
                    b->click();
            });
        } else {
            b->animateClick(); // as a press of Space shows it, and the tool gets its answer at once
        }
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// The scroll bar: a value between its bounds.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(QWidget *bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(bar()->value());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant &value) override
    {
        const int v = qRound(value.toDouble());
        afterScene(bar(), [b = QPointer<QScrollBar>(bar()), v] {
            if (b)
                b->setValue(v);
        });
    }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }
};

// A text box: its text read and edited. Edits wait for the running scene.
class AccessibleText : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit AccessibleText(QWidget *box) : QAccessibleWidget(box, QAccessible::EditableText) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        state.multiLine = qobject_cast<QPlainTextEdit *>(widget()) != nullptr;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return all();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // Reading
    QString text(int start, int end) const override { return start > end ? QString() : all().mid(start, end - start); }
    int characterCount() const override { return int(all().size()); }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

    // Editing
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        afterScene(widget(), editLater(start, end, text));
    }

protected:
    virtual QString all() const = 0;
    // The edit, carried out whenever it comes, on the text as it is then.
    virtual std::function<void()> editLater(int start, int end, const QString &text) const = 0;

    static std::pair<int, int> within(int start, int end, int count)
    {
        start = std::clamp(start, 0, count);
        end = end < 0 ? count : std::clamp(end, start, count);
        return {start, end};
    }
};

class AccessibleLineEdit : public AccessibleText {
public:
    using AccessibleText::AccessibleText;

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + int(edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    // Where the character is on screen, as the box shows it: scrolled and
    // aligned. Qt knows where it shows the cursor; the character is placed
    // from there along the text's own layout, in the box's font.
    QRect characterRect(int offset) const override
    {
        const QString t = all();
        if (offset < 0 || offset >= t.size())
            return {};
        QTextLayout layout(t, edit()->font());
        QTextOption option;
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid())
            return {};
        const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const qreal cursorX = cursor.left() + cursor.width() / 2; // the cursor stands in the middle of its rectangle
        const qreal from = line.cursorToX(offset), to = line.cursorToX(offset + 1);
        const qreal left = cursorX + std::min(from, to) - line.cursorToX(edit()->cursorPosition());
        const QRect r(qRound(left), cursor.top(), std::max(1, qRound(std::fabs(to - from))),
                      QFontMetrics(edit()->font()).height());
        return QRect(edit()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }

protected:
    QString all() const override { return edit()->text(); }
    std::function<void()> editLater(int start, int end, const QString &text) const override
    {
        return [e = QPointer<QLineEdit>(edit()), start, end, text] {
            if (!e)
                return;
            QString t = e->text();
            const auto [from, to] = within(start, end, int(t.size()));
            e->setText(t.replace(from, to - from, text));
        };
    }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
};

class AccessiblePlainTextEdit : public AccessibleText {
public:
    using AccessibleText::AccessibleText;

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        const QTextCursor c = edit()->textCursor();
        if (index == 0 && c.hasSelection()) {
            *start = c.selectionStart();
            *end = c.selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index != 0)
            return;
        QTextCursor c = edit()->textCursor();
        c.clearSelection();
        edit()->setTextCursor(c);
    }
    void setSelection(int index, int start, int end) override
    {
        if (index != 0)
            return;
        const auto [from, to] = within(start, end, characterCount());
        QTextCursor c(edit()->document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        edit()->setTextCursor(c);
    }
    int cursorPosition() const override { return edit()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor c(edit()->document());
        c.setPosition(std::clamp(position, 0, characterCount()));
        edit()->setTextCursor(c);
    }
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        // The caret's places before and after the character, in the viewport
        // as it is scrolled; the character's own font where the line breaks.
        QTextCursor at(edit()->document());
        at.setPosition(offset);
        const QRect caret = edit()->cursorRect(at);
        at.setPosition(offset + 1);
        const QRect next = edit()->cursorRect(at);
        int width = next.top() == caret.top() ? std::abs(next.left() - caret.left()) : 0;
        if (width == 0)
            width = QFontMetrics(at.charFormat().font()).horizontalAdvance(all().at(offset));
        const QRect r(std::min(caret.left(), next.top() == caret.top() ? next.left() : caret.left()), caret.top(),
                      std::max(1, width), caret.height());
        return QRect(edit()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorForPosition(edit()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override
    {
        setSelection(0, start, end);
        edit()->ensureCursorVisible();
    }

protected:
    QString all() const override { return edit()->toPlainText(); }
    std::function<void()> editLater(int start, int end, const QString &text) const override
    {
        return [e = QPointer<QPlainTextEdit>(edit()), start, end, text] {
            if (!e)
                return;
            const auto [from, to] = within(start, end, int(e->toPlainText().size()));
            QTextCursor c(e->document());
            c.setPosition(from);
            c.setPosition(to, QTextCursor::KeepAnchor);
            c.insertText(text);
        };
    }

private:
    QPlainTextEdit *edit() const { return static_cast<QPlainTextEdit *>(widget()); }
};

QAccessibleInterface *accessibleControl(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("brovaci::Frmpendolo"))
        return new QAccessibleWidget(widget, QAccessible::Window); // a frame named "pendolo"
    if (className == QLatin1String("brovaci::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // Only the window's own controls: the help panel's scroll bar is Qt's.
    if (!windowOf(widget) || widget->parentWidget() != widget->window())
        return nullptr;
    if (className == QLatin1String("brovaci::CaptionButton"))
        return new AccessibleButton(widget);
    if (className == QLatin1String("brovaci::ScrollBar"))
        return new AccessibleScrollBar(widget);
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(widget);
    if (className == QLatin1String("brovaci::HelpPanel"))
        return new AccessiblePlainTextEdit(widget);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(installed);
}

} // namespace brovaci
