#include "commands/forms.h"
