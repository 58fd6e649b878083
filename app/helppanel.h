// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel: a multi-line text box the user may edit, up to a limit of
// typed characters. A click on its text raises clicked(); moving through it
// with the keyboard or its scroll bar does not.
#pragma once

#include <QPlainTextEdit>

namespace brovaci {

class HelpPanel : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MaxLength = 10000;

    explicit HelpPanel(QWidget *parent = nullptr);

    // The colour of the whole text, and of what is typed into it.
    void setForeColor(const QColor &colour);
    void setFontSize(int points);
    // Replaces the whole text and shows its beginning.
    void setText(const QString &text);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void inkText();
    int room() const;
    int length() const { return int(toPlainText().size()); }
    bool m_pressed = false;
    QColor m_ink; // none: the palette's text colour
};

} // namespace brovaci
