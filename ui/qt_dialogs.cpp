#include "ui/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

QMessageBox::Icon toQtIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQtButton(Dialogs::Answer answer) {
    switch (answer) {
    case Dialogs::Answer::Yes:
        return QMessageBox::Yes;
    case Dialogs::Answer::No:
        return QMessageBox::No;
    case Dialogs::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Keeps a yes/no question open until Yes or No is clicked: Escape and the title bar's
// close would otherwise answer No, and the exit question's No loses the map unsaved.
class AnswerRequired : public QObject {
  public:
    explicit AnswerRequired(QMessageBox& box) : QObject(&box) {
        box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        box.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
        if (event->type() != QEvent::Close && !escape)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

// A desktop gives the focus back to the window a box was over once the box has gone;
// without a window manager nobody does, and the window's shortcuts would stay dead
// until the user clicked it.
void QtDialogs::giveFocusBack() const {
    if (m_parent && m_parent->isVisible())
        m_parent->activateWindow();
}

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Buttons buttons,
                                   Icon icon, Answer defaultButton) {
    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        giveFocusBack();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(toQtButton(defaultButton == Answer::Yes ? Answer::Yes : Answer::No));
    new AnswerRequired(box);
    const bool yes = box.exec() == QMessageBox::Yes;
    giveFocusBack();
    return yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::input(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    giveFocusBack();
    return ok ? text : QString();
}

QString QtDialogs::openFile(const QString& title, const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(m_parent, title, QString(), toQtFilter(filter));
    giveFocusBack();
    return path;
}

QString QtDialogs::saveFile(const QString& title, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(
        m_parent, title, QString(), toQtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
    giveFocusBack();
    return path;
}

QString QtDialogs::toQtFilter(const QString& filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(trailingPatterns);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        if (description.trimmed().isEmpty() || patterns.isEmpty())
            continue;
        qtFilters << QStringLiteral("%1 (%2)").arg(description.trimmed(),
                                                   patterns.join(QLatin1Char(' ')));
    }
    return qtFilters.join(QStringLiteral(";;"));
}
