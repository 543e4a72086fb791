#pragma once

#include "app/filedialogs.h"

#include <QTest>

#include <queue>

// Answers the program's file dialogs in order, without a modal loop: each answer is a path
// to choose, or a cancel.
class DialogScript {
public:
    DialogScript()
    {
        setFileDialogRunner([this](QFileDialog&) -> std::optional<QString> {
            if (m_answers.empty()) {
                QTest::qFail("a file dialog that was not expected", __FILE__, __LINE__);
                return std::nullopt;
            }
            const QString answer = m_answers.front();
            m_answers.pop();
            return answer.isNull() ? std::nullopt : std::optional(answer);
        });
    }
    ~DialogScript() { setFileDialogRunner({}); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& choose(const QString& path)
    {
        m_answers.push(path);
        return *this;
    }
    DialogScript& cancel() { return choose(QString()); } // a null answer cancels
    qsizetype pending() const { return qsizetype(m_answers.size()); }

private:
    std::queue<QString> m_answers;
};
