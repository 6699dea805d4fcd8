#pragma once

// What the window tests share: Qt Test, Qt Widgets, the platform's recorded answers, helpers.
#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>
