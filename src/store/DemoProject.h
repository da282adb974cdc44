#pragma once

#include <QString>

// The demo project: a small library with book types, books, readers and loans that uses every
// member type and passes every generation check.
QString DemoProjectName();

// Adds the demo project to the current store through the access objects.
void CreateDemoProject();
