// numora-cli's painters for PDF files and chart images: the window's own, run on Qt's offscreen
// platform. The Qt application they need is created at the first PDF or image only, so every
// other command runs without one.
#pragma once

#include "app/cli/cli_session.h"

namespace numora {

CliRenderers offscreenQtRenderers();

}  // namespace numora
