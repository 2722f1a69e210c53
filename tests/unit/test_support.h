// Helpers for tests that run phases in-process: a scratch directory as the
// working directory, captured console output, and a reset compiler.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "driver/common.h"
#include "lexer/lexer.h"

class ScratchDirTest : public ::testing::Test {
protected:
  void SetUp() override {
    oldDir_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() /
           ("tarnwick_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    ArenaReset();
    ResetCompilerState();
    SetConsole(&out_);
    SetConsoleInput(&in_);
  }
  void TearDown() override {
    SetConsole(nullptr);
    SetConsoleInput(nullptr);
    std::filesystem::current_path(oldDir_);
    std::filesystem::remove_all(dir_);
  }

  void WriteFile(const std::string &name, const std::string &content) {
    std::filesystem::path p(name);
    if (p.has_parent_path())
      std::filesystem::create_directories(p.parent_path());
    std::ofstream(name, std::ios::binary) << content;
  }

  // Lexes a main file; returns the exit status a stop would give (0 if none).
  int Lex(const std::string &mainFile = "main.pas") {
    gFirstArgument = mainFile;
    try {
      LexProgram(mainFile);
    } catch (const CompilerStop &stop) {
      return stop.status;
    }
    return 0;
  }

  std::vector<std::string> TokenTexts() const {
    std::vector<std::string> texts;
    for (Token *t = gTokenHead; t; t = t->next)
      texts.push_back(HeapTextOrEmpty(t->text));
    return texts;
  }

  std::string Output() const { return out_.str(); }

  std::ostringstream out_;
  std::istringstream in_;
  std::filesystem::path dir_, oldDir_;
};

#include <unistd.h>
