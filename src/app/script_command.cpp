#include "app/script_command.h"

#include "app/file_script_target.h"
#include "app/local_socket.h"
#include "app/single_instance.h"
#include "core/startup/data_folders.h"
#include "platform/platform_services.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace twl {

namespace {

// The reply of the running bar; nullopt when none listens.
std::optional<std::optional<InstanceReply>> AskRunningBar(const QString& key,
                                                          const InstanceRequest& request) {
    const int socket = ConnectToSocket(SingleInstance::SocketPathFor(key));
    if (socket < 0) {
        return std::nullopt;
    }
    std::optional<InstanceReply> reply;
    if (SendAll(socket, WriteInstanceRequest(request))) {
        // A pick lasts as long as the person takes; anything else is answered at once.
        const int timeoutMs = request.verb == RequestVerb::Pick ? -1 : 10000;
        if (const auto bytes = ReceiveAll(socket, timeoutMs, 4 * 1024 * 1024)) {
            reply = ReadInstanceReply(*bytes);
        }
    }
    ::close(socket);
    return reply;
}

int Print(const InstanceReply& reply) {
    std::FILE* to = reply.status == ReplyStatus::Ok ? stdout : stderr;
    for (const std::string& line : reply.lines) {
        std::fputs(line.c_str(), to);
        std::fputc('\n', to);
    }
    std::fflush(to);
    return reply.exitCode;
}

bool HasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// The request answered here, with the application object a pick or a picture needs.
InstanceReply AnswerAlone(const InstanceRequest& request, const std::filesystem::path& appData,
                          const std::string& programFolder, int argc, char** argv) {
    FileScriptTarget target(appData, programFolder);
    std::optional<InstanceReply> answer;
    const ReplyFn keep = [&answer](const InstanceReply& reply) {
        answer = reply;
        if (QCoreApplication::instance() != nullptr) {
            QCoreApplication::exit(0);
        }
    };
    if (request.verb == RequestVerb::Pick) {
        if (!HasDisplay()) {
            return FailedReply(1, {"tintwell: --pick needs a display"});
        }
        QApplication app(argc, argv);
        QGuiApplication::setQuitOnLastWindowClosed(false);
        const PlatformServices services = MakePlatformServices();
        target.SetScreen(services.screen.get());
        AnswerRequest(request, target, keep);
        if (!answer) {
            app.exec();
        }
        return answer.value_or(CancelledReply());
    }
    if (request.verb == RequestVerb::Export) {
        // The swatch pictures' labels are set in a font, which needs the application object; it
        // needs no display for that.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        AnswerRequest(request, target, keep);
        return answer.value_or(FailedReply(1, {}));
    }
    AnswerRequest(request, target, keep);
    return answer.value_or(FailedReply(1, {}));
}

} // namespace

int RunScriptCommand(const CommandLine& commandLine, const std::string& installDataFolder, int argc,
                     char** argv) {
    const InstanceRequest& request = *commandLine.request;
    const std::filesystem::path appData =
        commandLine.configFolder.empty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString()
            : commandLine.configFolder;
    // The bar's key: its program file (as Qt names it, links resolved) and its data folder.
    const QString programPath = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const std::string programFolder = FindProgramFolder(
        std::filesystem::path(programPath.toStdString()).parent_path(), installDataFolder);
    const DataFolders folders = MakeDataFolders(appData, programFolder);
    const QString key =
        SingleInstance::KeyFor(programPath, QString::fromStdString(folders.userDataFolder));

    if (const auto reply = AskRunningBar(key, request)) {
        if (!*reply) {
            std::fputs("tintwell: the running bar gave no answer\n", stderr);
            return 1;
        }
        return Print(**reply);
    }
    if (request.verb == RequestVerb::Show || request.verb == RequestVerb::Quit) {
        std::fputs("tintwell: no Tintwell bar is running\n", stderr);
        return 1;
    }
    return Print(AnswerAlone(request, appData, programFolder, argc, argv));
}

} // namespace twl
