#include "command_line/usage_text.hpp"
