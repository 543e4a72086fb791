#pragma once

#include <QString>

#include <exception>

// An error that ends a command; the command guard shows its text in the error box
// and the program goes on. Only the texts the user is meant to see are thrown.
class AppError : public std::exception {
public:
    explicit AppError(QString message)
        : m_message(std::move(message))
    {
    }
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return "Quillmere command error"; }

    static AppError cannotOpen(const QString& fileName)
    {
        return AppError("Cannot open file " + fileName);
    }
    static AppError cannotCreate(const QString& fileName)
    {
        return AppError("Cannot create file " + fileName);
    }
    static AppError notAnInteger(const QString& text)
    {
        return AppError("'" + text + "' is not a valid integer value");
    }
    static AppError divisionByZero() { return AppError("Division by zero"); }

private:
    QString m_message;
};

// The text the error box shows: a full stop is added when the last character sorts after ".".
QString errorBoxText(const QString& message);
