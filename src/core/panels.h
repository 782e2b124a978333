#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/runtime_error.h"

// The tool windows and their computing panels, as data that the windows, the
// working, the history and the tests all read: which window a panel is in,
// which button computes it, the boxes it reads and the labels it writes, and
// what its run-time errors say to the pupil. The windows' control tables name
// the same controls on their own, so that a rename in one fails a test.

namespace vorlinde {

// The five tool windows, in the main window's order.
enum class WindowId { Algebra, Equations, LinearSystem, Sequences, Geometry };

struct WindowEntry {
  WindowId id;
  std::string_view name;     // the window's objectName: "Form1"
  std::string_view caption;  // its title: "代数"
  std::string_view enter;    // the main window's button that opens it: "Command1"
};
std::span<const WindowEntry> toolWindows();
const WindowEntry& toolWindow(WindowId id);

enum class PanelId {
  Factorization,
  Factorial,
  DivisorAndMultiple,
  Power,
  RootAndLogarithm,
  Trigonometry,
  Quadratic,
  TwoUnknowns,
  GridCount,
  LinearSystem,
  SpecialSeries,
  GeometricSequence,
  ArithmeticSequence,
  Triangle,
  TriangleBySides,
  Rectangle,
  Trapezoid,
  Circle,
  Sector,
  Cylinder,
  Cone,
  Sphere,
};

// The sentence the run-time error's box shows first: what went wrong, in the
// pupil's words, and what to change, from the error and the numbers the boxes
// held as strict reading takes them (NaN for a box that held none).
using Advice = std::string (*)(ErrorCode code, const std::vector<double>& values);

struct PanelEntry {
  PanelId id;
  std::string_view key;  // stable, what the history stores: "algebra.factorial"
  WindowId window;
  std::string button;               // the compute button's objectName
  std::vector<std::string> boxes;   // the boxes it reads, in the order read
  std::vector<std::string> labels;  // the labels (or list) it writes, in the order written
  bool guarded = true;              // the numeric test on every box before any is read
  bool calculation = true;          // false for a button that only lays the window out
  Advice advice = nullptr;
};

// Window by window, each window's panels in its Tab order.
std::span<const PanelEntry> panels();
const PanelEntry& panel(PanelId id);
// Nothing for a key no panel has.
const PanelEntry* panelByKey(std::string_view key);
// The panel a window's button computes, by their objectNames; nothing for any
// other button. Only files written before panels had keys need it.
const PanelEntry* panelOf(std::string_view window, std::string_view button);

}  // namespace vorlinde
