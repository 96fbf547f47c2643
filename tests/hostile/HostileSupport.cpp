// The game process seen through /proc and its capture files; see HostileSupport.h.
#include "HostileSupport.h"

#include "tests/support/ExpectedPlay.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>

namespace e2e {

namespace {
constexpr int runTimeoutMs = 20000;
}

bool holdsOpen(qint64 processId, const QString& path)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path.toStdString(), error);
    if (error)
        return false;
    for (const auto& descriptor :
         std::filesystem::directory_iterator("/proc/" + std::to_string(processId) + "/fd", error))
        if (std::filesystem::read_symlink(descriptor.path(), error) == target)
            return true;
    return false;
}

long cpuTicks(qint64 processId)
{
    // The name in parentheses may hold blanks; utime and stime are the 12th and 13th fields after it.
    std::ifstream stat("/proc/" + std::to_string(processId) + "/stat");
    const std::string line{std::istreambuf_iterator<char>(stat), std::istreambuf_iterator<char>()};
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string field;
    for (int skipped = 0; skipped < 11; ++skipped)
        fields >> field;
    long user = 0;
    long system = 0;
    fields >> user >> system;
    return user + system;
}

void markPromptly(GameUnderTest& game, const Board& board, int cell)
{
    game.clickCell(cell);
    const Board marked = withMarked(board, groupAt(board, cell));
    ASSERT_TRUE(waitUntil(highlightDeadline, [&] { return game.currentBoard().board == marked; }))
        << "a click on cell " << cell << " was not shown marked within " << highlightDeadline.count() << " ms\n"
        << game.currentBoard().explain(marked);
}

void confirmExit(GameUnderTest& game, const VirtualDesktop& desktop)
{
    ASSERT_TRUE(game.answerQuestion(exitQuestionTitle, QStringLiteral("Return")))
        << "no exit question; windows: " << desktop.visibleWindowTitles().join(' ').toStdString();
}

void expectExitWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop)
{
    ASSERT_TRUE(game.waitForExit(std::chrono::seconds(10)))
        << "the game is still running; windows: " << desktop.visibleWindowTitles().join(' ').toStdString();
    EXPECT_TRUE(game.exitedNormally()) << "the game crashed on the way out";
    EXPECT_EQ(game.exitCode(), 0);
}

void leaveWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop)
{
    game.exitCommand();
    ASSERT_NO_FATAL_FAILURE(confirmExit(game, desktop));
    ASSERT_NO_FATAL_FAILURE(expectExitWithStatusZero(game, desktop));
}

EndedRun runToItsEnd(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess game;
    game.setProcessEnvironment(environment);
    dieWithParent(game);
    game.start(qEnvironmentVariable("GELUMPA_BINARY"), arguments);
    EndedRun run;
    run.ended = game.waitForFinished(runTimeoutMs);
    if (!run.ended) {
        game.kill();
        game.waitForFinished(runTimeoutMs);
    }
    run.normalExit = game.exitStatus() == QProcess::NormalExit;
    run.exitCode = game.exitCode();
    run.output = game.readAllStandardOutput();
    run.errors = game.readAllStandardError();
    return run;
}

QProcessEnvironment environmentWithoutDisplay(const QString& runtimeDirectory)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("WAYLAND_SOCKET"), QStringLiteral("QT_QPA_PLATFORM"),
                                QStringLiteral("XDG_SESSION_TYPE")})
        env.remove(name);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory);
    return env;
}

} // namespace e2e
