#include "controls/LoginnameInputFilterCallback.h"

LoginnameInputFilterCallback::~LoginnameInputFilterCallback() = default;
