#include "host/terminal/InteractiveDialog.h"

#include <langinfo.h>

#include <cstdlib>

#include "host/PanelOpening.h"
#include "host/terminal/AlertBox.h"
#include "host/terminal/CursesTerminal.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/HostTexts.h"
#include "host/terminal/ScreenDump.h"
#include "platform/controls/Containers.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

namespace {

Glyphs glyphsFor(const InteractiveOptions& options) {
    const char* term = std::getenv("TERM");
    const bool ascii = options.ascii || terminalNeedsAscii(term ? term : "", nl_langinfo(CODESET));
    return ascii ? asciiGlyphs() : unicodeGlyphs();
}

}  // namespace

DialogOutcome runInteractiveDialog(PDEPlugIn& principal, std::shared_ptr<PDEPluginCallback> host,
                                   const InteractiveOptions& options, JobChoices& jobChoices) {
    const auto [panel, view] = openPanelView(principal, std::move(host));
    panel->willShow();

    const Glyphs glyphs = glyphsFor(options);
    const HostTexts texts = loadHostTexts(options.localeDirectory);
    CursesTerminal curses(!glyphs.ascii);
    DumpingTerminal terminal(curses, options.screenDumpDescriptor.value_or(-1));
    TerminalDialog dialog(
        TerminalDialog::Parts{*panel, *view, terminal, glyphs, texts,
                              panel->panelName() + (glyphs.ascii ? " - " : " \u2014 ") + options.printer, jobChoices});
    const AlertBoxPresenter alerts(terminal, [&dialog] { return dialog.paintScreen(); });
    return dialog.run();
}

}  // namespace host
