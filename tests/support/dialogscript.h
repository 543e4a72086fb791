#pragma once

#include "app/filedialogs.h"

#include <QFileInfo>
#include <QTest>

#include <queue>

// Answers the program's file dialogs in order, without a modal loop: each answer is a path
// to choose, the file name the dialog offers, or a cancel.
class DialogScript {
public:
    DialogScript()
    {
        setFileDialogRunner([this](QFileDialog& dialog) -> std::optional<QString> {
            if (m_answers.empty()) {
                QTest::qFail("a file dialog that was not expected", __FILE__, __LINE__);
                return std::nullopt;
            }
            const std::optional<QString> answer = m_answers.front();
            m_answers.pop();
            if (!answer) // in the current folder, wherever the dialog would have saved it
                return QFileInfo(dialog.selectedFiles().value(0)).fileName();
            return answer->isNull() ? std::nullopt : answer;
        });
    }
    ~DialogScript() { setFileDialogRunner({}); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& choose(const QString& path) { return m_answers.push(path), *this; }
    DialogScript& cancel() { return choose(QString()); } // a null answer cancels
    DialogScript& keep() { return m_answers.push(std::nullopt), *this; }
    qsizetype pending() const { return qsizetype(m_answers.size()); }

private:
    std::queue<std::optional<QString>> m_answers; // nothing: keep the name offered
};
