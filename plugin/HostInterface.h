// The host callback object as the panel knows it.
#pragma once

#include "platform/core/PrintDialogPlugIn.h"

using NelvoPrintPdeZlm420kJCPDEPluginCallback = PDEPluginCallback;
