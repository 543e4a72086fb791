#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

// The top-level error report: a stop-icon box captioned with the application title.
void reportCommandError(const QString& message);
void reportCommandError(const std::exception& error);

// Runs one command; an error that escapes it is reported and the program goes on.
// Every handler goes through here, so no exception ever crosses Qt's event loop.
template <typename Command> void runCommand(Command&& command)
{
    try {
        std::forward<Command>(command)();
    } catch (const std::exception& error) {
        reportCommandError(error);
    } catch (...) {
        reportCommandError(QStringLiteral("Unexpected error"));
    }
}

// The window whose command is running, for as long as it runs; none between commands.
// The shared file dialogs stand over it, so that a window manager gives the focus back to
// the window that asked, not to the main window that owns them.
QWidget* commandWindow();

class CommandWindowScope {
public:
    explicit CommandWindowScope(QWidget* window);
    ~CommandWindowScope();
    CommandWindowScope(const CommandWindowScope&) = delete;
    CommandWindowScope& operator=(const CommandWindowScope&) = delete;

private:
    QWidget* m_outer;
};

// A slot that runs a window's handler through runCommand.
template <typename Window> auto guarded(Window* window, void (Window::*handler)())
{
    return [window, handler] {
        const CommandWindowScope asking(window);
        runCommand([&] { (window->*handler)(); });
    };
}
