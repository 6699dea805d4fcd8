#pragma once

// What the window tests share: Qt Test and Qt Widgets, the platform's recorded answers, and the
// helpers of this folder.
#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>
