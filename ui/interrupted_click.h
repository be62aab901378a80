#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QWidget;

// A press that moves the focus out of a field can start that field's check, whose box
// opens on the press: the release then reaches a blocked window and is lost, and the
// control under the mouse would never be clicked. Such a press is held back from the
// control and, once the box is gone (the check has passed), the whole click is made on
// it, as if the box had never come in between.
class InterruptedClick : public QObject {
  public:
    explicit InterruptedClick(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Stage { Idle, Pressing, Interrupted };
    void holdBack(QWidget* target, const QEvent* press);
    void replay();

    QWidget* m_window;
    Stage m_stage = Stage::Idle;
    bool m_replaying = false;
    QPointer<QWidget> m_target;
    QPointF m_position;
    QPointF m_globalPosition;
    Qt::KeyboardModifiers m_modifiers;
};
