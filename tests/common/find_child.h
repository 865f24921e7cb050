#pragma once
// Finds a window's component by its design name, failing the test when there is none.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

template <typename T = QWidget> T* Child(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no component named " << name;
    return found;
}
