#pragma once

#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "shared_lists.h"
#include "web_strip.h"

// The main window as the program loads it, without the web engine, for one benchmark.
struct BenchWindow {
    BenchWindow() {
        WebStrip::SetEngineAllowed(false);
        CreateSharedLists();
        LoadWindow(MainWindowDescription(), nullptr, false);
    }
    ~BenchWindow() {
        delete LoadedWindow::Find(kMainWindowNumber);
        ReleaseSharedLists();
    }
};
