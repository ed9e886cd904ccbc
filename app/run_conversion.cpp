#include "app/end_program.h"
#include "platform/console.h"

int RunConversion(bool /*quiet*/) {
    PrintLine(QStringLiteral("Error: conversion is not available in this build"));
    return ExitRefused;
}
