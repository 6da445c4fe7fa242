// A core header as the layering check must refuse it.
#pragma once
#include <QtWidgets/QWidget>
#include "modules/IniOps.h"
