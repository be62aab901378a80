#pragma once

#include "language/dialogs.h"

class QWidget;

// The real dialogs: message boxes, input boxes and file dialogs over the main window.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   Answer defaultButton) override;
    QString input(const QString& prompt, const QString& title) override;
    QString openFile(const QString& title, const QString& filter) override;
    // Never asks about overwriting: the program asks its own question in its own language.
    QString saveFile(const QString& title, const QString& filter) override;

    // "KLV Files(*.klv)|*.klv" (description and pattern pairs, '|' between all parts)
    // becomes "KLV Files (*.klv)"; several pairs are joined with ";;".
    static QString toQtFilter(const QString& filter);

  private:
    void giveFocusBack() const;

    QWidget* m_parent;
};
