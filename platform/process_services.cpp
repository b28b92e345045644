#include "process_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cfenv>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

void SetCurrentFolderToProgramFolder() {
    const QString folder = QCoreApplication::applicationDirPath();
    if (!folder.isEmpty()) QDir::setCurrent(folder);
}

void SetDefaultFloatingPointMode() {
    std::fesetround(FE_TONEAREST);
#if defined(__GLIBC__)
    fedisableexcept(FE_ALL_EXCEPT);
#elif defined(_MSC_VER)
    unsigned int ignored = 0;
    _controlfp_s(&ignored, _MCW_EM, _MCW_EM);
#endif
    std::feclearexcept(FE_ALL_EXCEPT);
}

#ifdef GLYPHORA_HAVE_WEBENGINE
namespace {

bool RunningAsSuperuser() {
#if defined(Q_OS_UNIX)
    return geteuid() == 0;
#else
    return false;
#endif
}

void AppendChromiumFlag(const char* flag) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains(flag)) return;
    if (!flags.isEmpty()) flags += ' ';
    flags += flag;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

}  // namespace
#endif

void PrepareWebEngine() {
#ifdef GLYPHORA_HAVE_WEBENGINE
    // Chromium refuses to start as root with its sandbox.
    if (RunningAsSuperuser()) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Without a GPU the page is drawn by SwiftShader; newer Chromium wants this to allow it.
    AppendChromiumFlag("--enable-unsafe-swiftshader");
    // The engine composes through OpenGL contexts shared with the windows. Without the
    // engine nothing needs OpenGL, and the program does not load it.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
}
