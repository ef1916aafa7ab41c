// The step of the walk down the device's answer: a node's last child.
#pragma once

#include <pugixml.hpp>

// The last child of `node` (of any kind: element, text, comment), or the
// empty node when it has none or is itself empty.
pugi::xml_node MyGetChild(pugi::xml_node node);
