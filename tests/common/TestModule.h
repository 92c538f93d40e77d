#pragma once

#include "BankBuilder.h"
#include "Module1.h"

#include <QTemporaryDir>
#include <memory>

// A Module1 whose folders are a fresh temporary folder holding a question bank.
struct TestModule
{
    explicit TestModule(const std::string &bankBytes = testbank::bytes(testbank::kSmallest),
                        std::vector<double> sequence = {0.5})
        : module(std::make_unique<Module1>())
    {
        module->folders = {dir.path().toStdString(), dir.path().toStdString()};
        module->random = Random(std::move(sequence));
        testbank::write(path("Pitanja.dat"), bankBytes);
    }

    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
    std::unique_ptr<Module1> module;
};
