// A PNG picture of a widget as it is drawn now.
#pragma once

#include <gtk/gtk.h>

#include <filesystem>

namespace host {

// Renders `widget` at its size and writes it to `path`; throws UsageError
// when it cannot.
void writeWidgetPicture(GtkWidget* widget, const std::filesystem::path& path);

}  // namespace host
