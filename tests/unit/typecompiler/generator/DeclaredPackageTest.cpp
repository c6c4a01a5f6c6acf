#include <gtest/gtest.h>

#include <string>

#include "typecompiler/generator/DeclaredPackage.h"

namespace vastor {
namespace {

TEST(DeclaredPackage, OnlyAFirstDeclarationCounts) {
    struct Case {
        std::string preamble;
        std::string package;
    };
    const Case cases[] = {
        {"", ""},
        {"package p;", "p"},
        {"\n\t package org.example.lang;\nimport java.util.List;\n", "org.example.lang"},
        {"// licence\n/* more */\npackage a /* x */ . b\n.c ;", "a.b.c"},
        {"package $_a.b1;", "$_a.b1"},
        {"package caf\xC3\xA9.x;", "caf\xC3\xA9.x"},
        {"\r\npackage p;\r\n", "p"},
        // Not a first package declaration: the classes stay in the unnamed package.
        {"import java.util.List;\npackage p;", ""},
        {"// package p;\n", ""},
        {"/* package p; */", ""},
        {"/* never closed package p;", ""},
        {"packagep;", ""},
        {"package p", ""},
        {"package p.;", ""},
        {"package .p;", ""},
        {"package 1p;", ""},
        {"package p q;", ""},
        {"@Deprecated package p;", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(declaredPackage(c.preamble), c.package) << c.preamble;
}

}  // namespace
}  // namespace vastor
