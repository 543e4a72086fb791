#include "support/dialogscript.h"

#include "app/filedialogs.h"

#include <QTest>

DialogScript::DialogScript()
{
    setFileDialogRunner([this](QFileDialog& dialog) -> std::optional<QString> {
        m_asked.append({dialog.objectName(), dialog.nameFilters(), dialog.defaultSuffix(),
                        dialog.selectedFiles()});
        if (m_answers.empty()) {
            QTest::qFail("a file dialog was shown that the test did not expect", __FILE__,
                         __LINE__);
            return std::nullopt;
        }
        const QString answer = m_answers.front();
        m_answers.pop();
        if (answer.isNull())
            return std::nullopt;
        return answer;
    });
}

DialogScript::~DialogScript()
{
    setFileDialogRunner({});
}

DialogScript& DialogScript::choose(const QString& path)
{
    m_answers.push(path);
    return *this;
}

DialogScript& DialogScript::cancel()
{
    m_answers.push(QString());
    return *this;
}
