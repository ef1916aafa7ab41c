// The GTK front end module's entry point: what the program calls once it
// has loaded the module (host/GraphicalFrontEndLoader.h).
#include "host/GraphicalFrontEnd.h"
#include "host/gtk/GtkFrontEnd.h"
#include "host/gtk/GtkJobFeedback.h"

namespace host {
namespace {

class GtkGraphicalFrontEnd final : public GraphicalFrontEnd {
public:
    int runDialog(const GtkFrontEndOptions& options, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host,
                  const JobEnd& jobEnd) const override {
        return runGtkDialog(options, plugIn, host, jobEnd);
    }
    std::unique_ptr<JobFeedback> jobFeedback(std::ostream* scriptTranscript) const override {
        return std::make_unique<GtkJobFeedback>(scriptTranscript);
    }
};

}  // namespace
}  // namespace host

extern "C" __attribute__((visibility("default"))) const host::GraphicalFrontEnd& nelvo_graphical_front_end() {
    // Stateless: one for the module's life.
    static const host::GtkGraphicalFrontEnd frontEnd;
    return frontEnd;
}
