#include "plugin/plugin_context.h"

#include "cabrillo/cabrillo_exporter.h"
#include "platform/posix/pe_version.h"
#include "platform/posix/posix_platform.h"

namespace korvane {

PluginContext::PluginContext()
    : settings_(std::make_unique<IniFileSettings>("")),
      files_(std::make_unique<DirectoryFileSearch>()),
      messages_(std::make_unique<StderrMessageDialog>()),
      programVersion_(std::make_unique<PeProgramVersion>()),
      cabrilloForm_(std::make_unique<HeadlessCabrilloForm>()) {
  CabrilloServices cabrilloServices;
  cabrilloServices.settings = settings_.get();
  cabrilloServices.files = files_.get();
  cabrilloServices.versions = programVersion_.get();
  cabrilloServices.form = cabrilloForm_.get();
  cabrillo_ = std::make_unique<CabrilloFileExporter>(cabrilloServices, "");
  ContestServices services;
  services.settings = settings_.get();
  services.files = files_.get();
  services.cabrillo = cabrillo_.get();
  services.displayThread = displayThread_.get();
  contest_ = std::make_unique<Contest>(services, display_);
}

PluginContext::~PluginContext() {
  if (displayThread_) displayThread_->Stop();
}

PluginContext& Plugin() {
  static PluginContext context;
  return context;
}

namespace {
// Built while the library loads, not at the host's first call.
const bool kBuiltAtLoad = (Plugin(), true);
}  // namespace

}  // namespace korvane
