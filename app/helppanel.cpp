// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helppanel.h"

#include "display/focusframe.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>

namespace brovaci {

HelpPanel::HelpPanel(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // What a screen reader calls the panel's own scroll bar.
    verticalScrollBar()->setAccessibleName(QStringLiteral("Scorrimento del testo"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    viewport()->installEventFilter(this);
}

// The colour goes into the text's own format, not into a new palette: a
// palette set at every switch between the two texts gives the style a new
// cache key each time, and the scroll bar's pictures pile up under it.
void HelpPanel::setForeColor(const QColor &colour)
{
    if (colour == m_ink)
        return;
    m_ink = colour;
    inkText();
}

void HelpPanel::inkText()
{
    if (!m_ink.isValid())
        return; // the colour of the palette, as the panel was made
    QTextCharFormat format;
    format.setForeground(m_ink);
    document()->setUndoRedoEnabled(false); // a colour is no edit to undo
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    document()->setUndoRedoEnabled(true);
    mergeCurrentCharFormat(format); // and what is typed next
}

void HelpPanel::setFontSize(int points)
{
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void HelpPanel::setText(const QString &text)
{
    // The text goes in with its colour, and is laid out once: colouring it
    // afterwards would lay all of it out again.
    QTextCharFormat format;
    if (m_ink.isValid())
        format.setForeground(m_ink);
    setPlainText(QString());
    document()->setUndoRedoEnabled(false); // a new text is no edit to undo
    QTextCursor(document()).insertText(text, format);
    document()->setUndoRedoEnabled(true);
    if (m_ink.isValid())
        mergeCurrentCharFormat(format); // and what is typed next
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

int HelpPanel::room() const
{
    return MaxLength - (length() - int(textCursor().selectedText().size()));
}

bool HelpPanel::event(QEvent *event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        // The focus on the panel's frame, as on the other controls: the
        // common styles show only the caret inside a text panel.
        QPainter painter(this);
        drawFocusFrame(*this, painter, rect());
    }
    return handled;
}

void HelpPanel::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty()
                         && (typed.at(0).isPrint() || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                         && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (inserts && room() < typed.size()) {
        const int fits = std::max(0, room());
        if (fits > 0)
            insertPlainText(typed.left(fits));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void HelpPanel::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (!commit.isEmpty() && room() < commit.size()) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(commit.left(std::max(0, room())), event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void HelpPanel::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    // A paste that would pass the limit is cut at the limit.
    const QString text = source->text().left(std::max(0, room()));
    if (!text.isEmpty())
        insertPlainText(text);
}

bool HelpPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = m_pressed && mouse->button() == Qt::LeftButton
                               && viewport()->rect().contains(mouse->position().toPoint());
            m_pressed = false;
            if (click) {
                // Let the text edit finish its own handling of the release first.
                QPlainTextEdit::viewportEvent(event);
                emit clicked();
                return true;
            }
        }
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

} // namespace brovaci
