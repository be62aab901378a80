#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <random>

// One user action as the words of its replay line: "click Text3(12) 0.31 0.52" (a point
// of the widget as fractions of its size), "key Enter", "wheel Combo6 0.5 0.5 -1" (notches),
// "choose Combo5 2", "time 300" (clock waits), "fault write 57" (the call that fails), "close".
struct SessionStep {
    QStringList words;
    QString verb() const { return words.value(0); }
    QString target() const { return words.value(1); }
    double number(int index) const { return words.value(index).toDouble(); }
};

// What a dialog was answered: "message yes", "input 12,5", "open damaged:2:77", "save new";
// a modal box stays open for `hold` further steps.
struct SessionAnswer {
    QString kind, value;
    int hold = 0;
};

// A session as it is played and replayed: the locale, whether dialogs are really modal, the
// steps, and the dialogs' answers. Steps never depend on the window's state, so a seed
// always gives the same steps; answers are recorded in a replay, or drawn from the seed.
class SessionScript {
  public:
    quint32 seed = 0;
    QString locale;
    bool modal = false;
    QList<SessionStep> steps;

    static SessionScript generate(quint32 seed, const QStringList& widgets,
                                  const QStringList& lists);
    static SessionScript read(const QString& path);
    // A replay file, or every replay file of a folder (not its subfolders).
    static QStringList replayFiles(const QString& fileOrFolder);
    // The first `played` steps and the answers given so far; every step and no answers
    // (they follow from the seed) when `played` is negative.
    void write(const QString& path, const QString& why, int played) const;

    // The answer to the next dialog of `kind`: the recorded one, or one drawn from the seed
    // once they run out or when the recorded one was for another kind of dialog.
    SessionAnswer answer(const QString& kind);

  private:
    SessionAnswer randomAnswer(const QString& kind);

    QList<SessionAnswer> m_queued;
    QList<SessionAnswer> m_given;
    std::mt19937 m_answerRandom;
};

// The files the open and save dialogs are answered with, made on demand in a session's
// folder: golden maps of every shape, short and damaged copies, empty and missing files.
class SessionFiles {
  public:
    SessionFiles(const QString& folder, const QString& goldenFolder);
    QString openPath(const QString& choice);
    QString savePath(const QString& choice);
    // A saved name without extension gets the map file's own, as the window does.
    static QString withSuffix(const QString& path);

  private:
    QByteArray golden(int index) const;
    QString write(const QString& name, const QByteArray& bytes) const;

    QDir m_folder;
    QStringList m_golden;
    QString m_lastSaved;
    int m_saves = 0;
};
