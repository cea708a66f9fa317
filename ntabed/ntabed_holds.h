// The editor's scope guards: painting suppressed, an update running, the table's data-change
// notification detached. Each restores on scope exit, so early returns and exceptions do too.
#pragma once

#include "ntabed/ZEB_ntabed.h"

namespace zeb {

class TNTabEd::PaintHold {
 public:
  explicit PaintHold(TNTabEd& editor) : editor_(editor), saved_(editor.suppressPaint_) {
    editor.suppressPaint_ = true;
  }
  ~PaintHold() { editor_.SetSuppressPaint(saved_); }
  PaintHold(const PaintHold&) = delete;
  PaintHold& operator=(const PaintHold&) = delete;

 private:
  TNTabEd& editor_;
  bool saved_;
};

class TNTabEd::UpdateHold {
 public:
  explicit UpdateHold(TNTabEd& editor) : editor_(editor) { ++editor.updating_; }
  ~UpdateHold() { --editor_.updating_; }
  UpdateHold(const UpdateHold&) = delete;
  UpdateHold& operator=(const UpdateHold&) = delete;

 private:
  TNTabEd& editor_;
};

class TNTabEd::DataNotifyHold {
 public:
  explicit DataNotifyHold(TNTabEd& editor) : editor_(editor), saved_(editor.dataNotifyDetached_) {
    editor.dataNotifyDetached_ = true;
  }
  ~DataNotifyHold() { editor_.dataNotifyDetached_ = saved_; }
  DataNotifyHold(const DataNotifyHold&) = delete;
  DataNotifyHold& operator=(const DataNotifyHold&) = delete;

 private:
  TNTabEd& editor_;
  bool saved_;
};

}  // namespace zeb
