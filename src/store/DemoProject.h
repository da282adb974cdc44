#pragma once

#include <QString>

// The demo project: a small library with book types, books, readers and loans that uses every
// member type and passes every generation check. It is kept as a model file
// (resources/demo/图书管理.json), built into the program.
inline const QString kDemoModelFile = QStringLiteral(":/demo/图书管理.json");

QString DemoProjectName();

// Adds the demo project to the current store in one transaction.
void CreateDemoProject();
