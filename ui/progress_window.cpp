#include "ui/progress_window.h"

#include "core/array_name.h"
#include "core/twips.h"
#include "language/language_texts.h"
#include "ui/design_font.h"

#include <QCloseEvent>
#include <QLabel>

namespace {
const QColor kPurple(128, 0, 128);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                  Qt::Alignment alignment, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twips);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}
} // namespace

ProgressWindow::ProgressWindow(const LanguageTexts& texts, QWidget* mainWindow)
    // No close button: the upload decides when the window goes.
    : QWidget(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint),
      m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(texts.message(MessageId::UploadWindowTitle));
    setFixedSize(Twips::toPixels(3900), Twips::toPixels(1080));

    m_picture = new QWidget(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(Twips::rect(0, 480, 3904, 547));
    for (int i = 0; i < kSquareCount; ++i) {
        auto* square = new QWidget(m_picture);
        m_squares[i] = square;
        square->setObjectName(arrayName("Shape1", i));
        square->setGeometry(Twips::rect(240 * i, 0, 255, 495));
        square->setAutoFillBackground(true);
        QPalette palette = square->palette();
        palette.setColor(QPalette::Window, QColor(0, 255, 0));
        square->setPalette(palette);
        square->hide();
    }
    m_picture->lower();

    const QFont labelFont = designFont(QStringLiteral("Lucida Sans Unicode"), 9.75);
    m_sentLabel = makeLabel(this, "Label1", texts.message(MessageId::UploadSentLabel),
                            Twips::rect(0, 120, 975, 255), Qt::AlignHCenter, Qt::black);
    m_sentLabel->setFont(labelFont);
    m_percentLabel = makeLabel(this, "Label2", QStringLiteral("00%"),
                               Twips::rect(960, 120, 615, 255), Qt::AlignRight, kPurple);
    m_percentLabel->setFont(designFont(QStringLiteral("Lucida Sans Unicode"), 9.75, true));
    m_doneLabel = makeLabel(this, "Label3", texts.message(MessageId::UploadDoneText),
                            Twips::rect(0, 120, 3890, 255), Qt::AlignHCenter, kPurple);
    m_doneLabel->setFont(designFont(QStringLiteral("Lucida Sans Unicode"), 11.25));
    m_doneLabel->hide();
}

void ProgressWindow::showWindow() {
    if (m_mainWindow) {
        const QRect main = m_mainWindow->geometry();
        move(main.left() + main.width() / 2 - width() / 2,
             main.top() + main.height() / 2 - height() / 2);
    }
    show();
}

void ProgressWindow::showSquare(int index) {
    m_squares.at(size_t(index))->show();
}

void ProgressWindow::setPercent(const QString& text) {
    m_percentLabel->setText(text);
}

void ProgressWindow::showDone() {
    m_sentLabel->hide();
    m_percentLabel->hide();
    m_doneLabel->show();
}

void ProgressWindow::closeWindow() {
    hide();
    deleteLater();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}
