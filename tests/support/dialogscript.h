#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <queue>

// Answers the program's file dialogs in order, without a modal loop: each answer is a
// path to choose, or nothing to cancel. Records which dialogs were asked and their filters.
class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& choose(const QString& path);
    DialogScript& cancel();

    struct Asked {
        QString dialogName;
        QStringList nameFilters;
        QString defaultSuffix;
        QStringList preselected;
    };
    const QList<Asked>& asked() const { return m_asked; }
    qsizetype pending() const { return qsizetype(m_answers.size()); }

private:
    std::queue<QString> m_answers; // a null string cancels
    QList<Asked> m_asked;
};
