// What the transfer scripts ask of the X server, in one small program so that
// each answer costs one process and every wait ends on an event:
//
//   vm-x11 front                  class of the active window ("" when none)
//   vm-x11 class WINDOW           class of that window, in UTF-8
//   vm-x11 window CLASS...        the window of any of these classes used last
//                                 (topmost in the stacking order, minimised
//                                 ones included); exit 1 when there is none
//   vm-x11 activate WINDOW        brings it to the front (restoring it when
//                                 minimised); exit 1 when it did not become active
//   vm-x11 hold COMMAND...        serves standard input as the clipboard text and
//                                 runs COMMAND (the paste key); runs it once more
//                                 when the target's paste went wrong (it asked
//                                 for a format not offered and took no text),
//                                 and exits 4 when the text was not fetched. Once
//                                 fetched it returns while a background process
//                                 keeps serving it and afterwards puts back what
//                                 the clipboard held before, in every format
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

Display *g_display = nullptr;

Atom atom(const char *name)
{
    return XInternAtom(g_display, name, False);
}

// Waits for the next event until deadline; false when none came in time.
bool nextEvent(XEvent &event, Clock::time_point deadline)
{
    while (!XPending(g_display)) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(g_display), &fds);
        timeval tv{static_cast<time_t>(left.count() / 1000000), static_cast<suseconds_t>(left.count() % 1000000)};
        select(ConnectionNumber(g_display) + 1, &fds, nullptr, nullptr, &tv);
    }
    XNextEvent(g_display, &event);
    return true;
}

std::vector<Window> windowList(Window root, const char *property)
{
    std::vector<Window> windows;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(g_display, root, atom(property), 0, 1 << 20, False, XA_WINDOW, &type, &format, &count,
                           &after, &data) == Success && data && format == 32) {
        const auto *ids = reinterpret_cast<const unsigned long *>(data);
        windows.assign(ids, ids + count);
    }
    if (data)
        XFree(data);
    return windows;
}

Window activeWindow()
{
    const std::vector<Window> active = windowList(DefaultRootWindow(g_display), "_NET_ACTIVE_WINDOW");
    return active.empty() ? None : active.front();
}

bool isUtf8(const std::string &bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const auto byte = [&](size_t at) { return static_cast<unsigned char>(bytes[at]); };
        const unsigned char lead = byte(i);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                              : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
        // No overlong forms, surrogates or code points beyond U+10FFFF.
        const unsigned char second = length > 1 ? byte(i + 1) : 0;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
            || (lead == 0xF4 && second > 0x8F))
            return false;
        i += length;
    }
    return true;
}

// WM_CLASS is Latin-1 by the X conventions, while many programs write UTF-8
// there: a class that is valid UTF-8 is taken as it is, any other as Latin-1.
// Every name this helper prints or compares passes through here, so that the
// name shown, stored and searched is one and the same.
std::string nameText(const char *bytes)
{
    const std::string raw = bytes ? bytes : "";
    if (isUtf8(raw))
        return raw;
    std::string text;
    for (const unsigned char c : raw) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// The class of a window (the second part of WM_CLASS), else its instance name.
struct WindowClass
{
    std::string instance;
    std::string name;
};

WindowClass windowClass(Window window)
{
    WindowClass result;
    XClassHint hint{};
    if (window != None && XGetClassHint(g_display, window, &hint)) {
        result.instance = nameText(hint.res_name);
        result.name = nameText(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return result;
}

// Names compare as the window system's search did: ASCII letters in any case.
bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                  return (x < 128 ? std::tolower(x) : x) == (y < 128 ? std::tolower(y) : y);
              });
}

int printClass(Window window)
{
    const WindowClass cls = windowClass(window);
    std::cout << cls.name << '\n';
    return 0;
}

int findWindow(const std::vector<std::string> &names)
{
    const std::vector<Window> stacking = windowList(DefaultRootWindow(g_display), "_NET_CLIENT_LIST_STACKING");
    // The class decides; the instance name only when no window has the class.
    for (const bool byInstance : {false, true}) {
        for (auto it = stacking.rbegin(); it != stacking.rend(); ++it) {
            const WindowClass cls = windowClass(*it);
            for (const std::string &name : names) {
                if (sameName(byInstance ? cls.instance : cls.name, name)) {
                    std::cout << *it << '\n';
                    return 0;
                }
            }
        }
    }
    return 1;
}

int activate(Window window)
{
    const Window root = DefaultRootWindow(g_display);
    XSelectInput(g_display, root, PropertyChangeMask);
    if (activeWindow() == window)
        return 0;
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
    request.xclient.format = 32;
    request.xclient.data.l[0] = 2; // from a tool acting for the user
    request.xclient.data.l[1] = CurrentTime;
    XSendEvent(g_display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(g_display);
    const Atom activeAtom = atom("_NET_ACTIVE_WINDOW");
    const auto deadline = Clock::now() + milliseconds(3000);
    XEvent event;
    while (nextEvent(event, deadline)) {
        if (event.type == PropertyNotify && event.xproperty.atom == activeAtom && activeWindow() == window)
            return 0;
    }
    return activeWindow() == window ? 0 : 1;
}

// One format of a clipboard content: its target name, type, unit size and bytes.
struct Format
{
    Atom target = None;
    Atom type = None;
    int format = 8;
    std::string bytes;
};

class Selection
{
public:
    explicit Selection(Window window)
        : m_window(window)
        , m_clipboard(atom("CLIPBOARD"))
        , m_transfer(atom("VM_X11_TRANSFER"))
        , m_incr(atom("INCR"))
        , m_targets(atom("TARGETS"))
        , m_timestamp(atom("TIMESTAMP"))
        , m_restore(atom("VM_X11_RESTORE"))
    {
        // Known by its class to a later hold, which asks it to restore first.
        XClassHint hint{const_cast<char *>("vm-x11"), const_cast<char *>("vm-x11")};
        XSetClassHint(g_display, m_window, &hint);
    }

    // Set when a later hold asked for the former content to come back now.
    bool restoreRequested() const { return m_restoreRequested; }

    // Set when someone asked for a format not offered: a target that still
    // had the former content in mind, whose paste took nothing.
    bool missingAsked() const { return m_missingAsked; }

    // A server time stamp, from a property change of our own window.
    Time now()
    {
        XChangeProperty(g_display, m_window, m_transfer, XA_STRING, 8, PropModeAppend, nullptr, 0);
        XEvent event;
        XWindowEvent(g_display, m_window, PropertyChangeMask, &event);
        return event.xproperty.time;
    }

    // What the clipboard holds now, in every format its owner offers.
    std::vector<Format> read(Time time)
    {
        std::vector<Format> formats;
        const Window owner = XGetSelectionOwner(g_display, m_clipboard);
        if (owner == None)
            return formats;
        // A hold still serving its text puts back what it replaced, so that
        // two quick transfers leave the teacher's content, not the first text.
        Format ignored;
        if (windowClass(owner).name == "vm-x11")
            fetch(m_restore, time, ignored);
        Format list;
        if (!fetch(m_targets, time, list) || list.format != 32)
            return formats;
        const auto *atoms = reinterpret_cast<const unsigned long *>(list.bytes.data());
        const size_t count = list.bytes.size() / sizeof(unsigned long);
        for (size_t i = 0; i < count; ++i) {
            const Atom target = atoms[i];
            if (isMetaTarget(target))
                continue;
            Format format;
            if (fetch(target, time, format))
                formats.push_back(format);
        }
        return formats;
    }

    // Becomes the clipboard's owner offering formats; false when refused.
    bool own(const std::vector<Format> &formats, Time time)
    {
        m_offered = formats;
        m_ownedSince = time;
        XSetSelectionOwner(g_display, m_clipboard, m_window, time);
        return XGetSelectionOwner(g_display, m_clipboard) == m_window;
    }

    // Answers requests until the clipboard is taken by someone else or until
    // stop says so. onServed hears of every format handed out.
    template<typename Stop, typename Served>
    bool serve(Stop stop, Served onServed, Clock::time_point deadline)
    {
        XEvent event;
        while (!stop()) {
            if (!nextEvent(event, std::min(deadline, Clock::now() + milliseconds(50)))) {
                if (Clock::now() >= deadline)
                    return true;
                continue;
            }
            if (event.type == SelectionClear && event.xselectionclear.selection == m_clipboard)
                return false;
            if (event.type == SelectionRequest)
                answer(event.xselectionrequest, onServed);
            else if (event.type == PropertyNotify && event.xproperty.state == PropertyDelete)
                continueIncremental(event.xproperty);
        }
        return true;
    }

    void giveUp()
    {
        if (XGetSelectionOwner(g_display, m_clipboard) == m_window)
            XSetSelectionOwner(g_display, m_clipboard, None, CurrentTime);
        XFlush(g_display);
    }

private:
    bool isMetaTarget(Atom target)
    {
        for (const char *name : {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_SELECTION",
                                 "INSERT_PROPERTY"})
            if (target == atom(name))
                return true;
        return false;
    }

    // Converts the clipboard to target and reads the answer, incremental
    // transfers included; false when the owner refused or did not answer.
    bool fetch(Atom target, Time time, Format &result)
    {
        XDeleteProperty(g_display, m_window, m_transfer);
        XConvertSelection(g_display, m_clipboard, target, m_transfer, m_window, time);
        XFlush(g_display);
        const auto deadline = Clock::now() + milliseconds(2000);
        XEvent event;
        for (;;) {
            if (!nextEvent(event, deadline))
                return false;
            if (event.type == SelectionNotify && event.xselection.selection == m_clipboard)
                break;
        }
        if (event.xselection.property == None)
            return false;
        result.target = target;
        if (!takeProperty(result))
            return false;
        if (result.type != m_incr)
            return true;
        // Incremental: each deletion asks for the next piece; an empty piece ends it.
        std::string whole;
        for (;;) {
            if (!nextEvent(event, deadline))
                return false;
            if (event.type != PropertyNotify || event.xproperty.window != m_window
                || event.xproperty.atom != m_transfer || event.xproperty.state != PropertyNewValue)
                continue;
            Format piece;
            if (!takeProperty(piece))
                return false;
            if (piece.bytes.empty())
                break;
            whole += piece.bytes;
            result.type = piece.type;
            result.format = piece.format;
        }
        result.bytes = std::move(whole);
        return true;
    }

    // Reads and deletes the transfer property of our window.
    bool takeProperty(Format &result)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(g_display, m_window, m_transfer, 0, 0x7fffffff, True, AnyPropertyType, &type, &format,
                               &count, &after, &data) != Success)
            return false;
        result.type = type;
        result.format = format;
        // Xlib hands 32-bit items out as longs.
        const size_t unit = format == 32 ? sizeof(long) : static_cast<size_t>(format / 8);
        result.bytes.assign(reinterpret_cast<const char *>(data), data ? count * unit : 0);
        if (data)
            XFree(data);
        return true;
    }

    template<typename Served>
    void answer(const XSelectionRequestEvent &request, Served onServed)
    {
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        const Atom property = request.property != None ? request.property : request.target;
        if (request.target == m_targets) {
            std::vector<unsigned long> atoms{m_targets, m_timestamp};
            for (const Format &f : m_offered)
                atoms.push_back(f.target);
            XChangeProperty(g_display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(atoms.data()), static_cast<int>(atoms.size()));
            reply.xselection.property = property;
        } else if (request.target == m_restore) {
            m_restoreRequested = true;
            XChangeProperty(g_display, request.requestor, property, XA_INTEGER, 32, PropModeReplace, nullptr, 0);
            reply.xselection.property = property;
        } else if (request.target == m_timestamp) {
            const unsigned long time = m_ownedSince;
            XChangeProperty(g_display, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(&time), 1);
            reply.xselection.property = property;
        } else {
            for (const Format &f : m_offered) {
                if (f.target != request.target)
                    continue;
                send(request.requestor, property, f);
                reply.xselection.property = property;
                onServed(f);
                break;
            }
            if (reply.xselection.property == None && !isMetaTarget(request.target))
                m_missingAsked = true;
        }
        XSendEvent(g_display, request.requestor, False, NoEventMask, &reply);
        XFlush(g_display);
    }

    size_t pieceSize() const { return 64 * 1024; }

    void send(Window requestor, Atom property, const Format &f)
    {
        const size_t unit = f.format == 32 ? sizeof(long) : static_cast<size_t>(f.format / 8);
        if (f.bytes.size() <= pieceSize()) {
            XChangeProperty(g_display, requestor, property, f.type, f.format, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(f.bytes.data()),
                            static_cast<int>(f.bytes.size() / unit));
            return;
        }
        // Large contents go in pieces, each after the requestor took the last.
        XSelectInput(g_display, requestor, PropertyChangeMask);
        const unsigned long size = f.bytes.size();
        XChangeProperty(g_display, requestor, property, m_incr, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(&size), 1);
        m_incremental.push_back({requestor, property, f, 0});
    }

    void continueIncremental(const XPropertyEvent &event)
    {
        for (auto it = m_incremental.begin(); it != m_incremental.end(); ++it) {
            if (it->requestor != event.window || it->property != event.atom)
                continue;
            const Format &f = it->format;
            const size_t unit = f.format == 32 ? sizeof(long) : static_cast<size_t>(f.format / 8);
            const size_t length = std::min(pieceSize(), f.bytes.size() - it->sent);
            XChangeProperty(g_display, it->requestor, it->property, f.type, f.format, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(f.bytes.data() + it->sent),
                            static_cast<int>(length / unit));
            XFlush(g_display);
            if (length == 0) {
                XSelectInput(g_display, it->requestor, NoEventMask);
                m_incremental.erase(it);
            } else {
                it->sent += length;
            }
            return;
        }
    }

    struct Incremental
    {
        Window requestor;
        Atom property;
        Format format;
        size_t sent;
    };

    Window m_window;
    Atom m_clipboard, m_transfer, m_incr, m_targets, m_timestamp, m_restore;
    bool m_restoreRequested = false;
    bool m_missingAsked = false;
    std::vector<Format> m_offered;
    std::vector<Incremental> m_incremental;
    Time m_ownedSince = CurrentTime;
};

// The text of standard input in the forms text targets ask for.
std::vector<Format> textFormats(const std::string &text)
{
    std::vector<Format> formats;
    for (const char *target : {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "TEXT"})
        formats.push_back({atom(target), atom("UTF8_STRING"), 8, text});
    return formats;
}

// How long a target has to fetch the text after the paste key, and how long
// it has besides while it is busy or after a second paste key. A word
// processor that still had the former content (an image) in mind asks for
// that, pastes nothing and is busy for seconds before it takes a second paste.
constexpr milliseconds kShortWait(1500);
constexpr milliseconds kLongWait(6000);

// Runs command (a program and its arguments) and waits for it; whether it succeeded.
bool runCommand(char **command)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int hold(char **pasteCommand)
{
    const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::freopen("/dev/null", "r", stdin);
    const Window window = XCreateSimpleWindow(g_display, DefaultRootWindow(g_display), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(g_display, window, PropertyChangeMask);
    Selection selection(window);
    const Time time = selection.now();
    const std::vector<Format> former = selection.read(time);
    if (!selection.own(textFormats(text), time))
        return 1;
    XFlush(g_display);

    Clock::time_point firstServed{};
    bool served = false;
    const auto noteServed = [&](const Format &) {
        if (!served)
            firstServed = Clock::now();
        served = true;
    };
    // Only a fetch of the text counts: a target that asks for a format the
    // former content had has pasted nothing.
    if (!runCommand(pasteCommand)) {
        selection.giveUp();
        return 1;
    }
    const auto fetched = [&] { return served; };
    const auto fetchedOrWrong = [&] { return served || selection.missingAsked(); };
    bool stillOwner = selection.serve(fetched, noteServed, Clock::now() + kShortWait);
    if (stillOwner && !fetchedOrWrong()) {
        // A target that asked for nothing is still at work: a second paste
        // key would put the text in twice. It may still fetch the text after
        // its own mistake.
        stillOwner = selection.serve(fetchedOrWrong, noteServed, Clock::now() + kLongWait);
        if (stillOwner && !served && selection.missingAsked())
            stillOwner = selection.serve(fetched, noteServed, Clock::now() + kShortWait);
    }
    if (stillOwner && !served && selection.missingAsked()) {
        if (!runCommand(pasteCommand)) {
            selection.giveUp();
            return 1;
        }
        stillOwner = selection.serve(fetched, noteServed, Clock::now() + kLongWait);
    }
    // The caller goes on with status; this process serves on in the background.
    const auto goOnInBackground = [](int status) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child < 0)
            return false;
        if (child > 0)
            _exit(status);
        setsid();
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        return true;
    };
    if (!served) {
        // The text stays on the clipboard to be pasted by hand. Giving the
        // clipboard up would move its time stamp past one that the program,
        // taking it over for the same text, may still use.
        if (!stillOwner || !goOnInBackground(4)) {
            selection.giveUp();
            return 4;
        }
        selection.serve([] { return false; }, [](const Format &) {}, Clock::time_point::max());
        return 0;
    }

    // The caller goes on once the text is taken; the rest runs on its own.
    if (!goOnInBackground(0))
        return 1;

    // The target may ask for the text in a second form right after the first;
    // the former content returns a moment after the first answer.
    const auto takenByTarget = [&] {
        return selection.restoreRequested() || Clock::now() - firstServed > milliseconds(300);
    };
    if (stillOwner)
        stillOwner = selection.serve(takenByTarget, noteServed, Clock::now() + milliseconds(10000));
    if (!stillOwner)
        return 0; // something newer was copied meanwhile: it stays
    if (former.empty()) {
        selection.giveUp();
        return 0;
    }
    if (!selection.own(former, selection.now()))
        return 0;
    // Holds the former content until something else is copied.
    selection.serve([] { return false; }, [](const Format &) {}, Clock::time_point::max());
    return 0;
}

Window windowArgument(const char *text)
{
    return static_cast<Window>(std::strtoul(text, nullptr, 0));
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    g_display = XOpenDisplay(nullptr);
    if (!g_display)
        return 3;
    const std::string command = argv[1];
    int status = 2;
    if (command == "front")
        status = printClass(activeWindow());
    else if (command == "class" && argc == 3)
        status = printClass(windowArgument(argv[2]));
    else if (command == "window" && argc >= 3) {
        std::vector<std::string> names;
        for (int i = 2; i < argc; ++i)
            names.push_back(nameText(argv[i]));
        status = findWindow(names);
    }
    else if (command == "activate" && argc == 3)
        status = activate(windowArgument(argv[2]));
    else if (command == "hold" && argc >= 3)
        status = hold(argv + 2);
    XCloseDisplay(g_display);
    return status;
}
