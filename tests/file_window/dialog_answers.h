// Answers the modal dialogs a test provokes (message boxes, the file and
// print dialogs) so that no test waits: a thread-local CBT hook records each
// dialog's title and text when it activates and answers it from a queue.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogAnswer {
    int button;            // IDOK, IDYES, IDNO, IDCANCEL...
    std::string fileName;  // typed into a file dialog's name box first
};

struct SeenDialog {
    std::string title;
    std::string text;     // a message box's text; empty for other dialogs
    std::string buttons;  // of O(K), C(ancel), Y(es), N(o): those it has
};

// Installs the hook on the calling thread; answers with IDOK when the queue
// is empty. While it is installed, hooks installed before it do not see the
// dialogs it answers. Uninstalled by the destructor.
struct DialogAnswers {
    DialogAnswers();
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    void push(int button, const std::string& fileName = std::string());
    const std::vector<SeenDialog>& seen() const;
};
