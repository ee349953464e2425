#pragma once
// Wrappers for handles that no object of ours owns (a dialog item without a control object,
// the DC of a draw request, the pen a selection replaced). A wrapper stays valid while its
// handle lives: the same handle gets the same wrapper, and wrappers of handles that have died
// are dropped when a new one is made. Wrappers borrow: they are detached before deletion.
// The framework serves one GUI thread.
#include <memory>
#include <vector>

template <class Wrapper, class Handle>
Wrapper* TemporaryWrapper(Handle handle, bool (*isAlive)(Handle))
{
    if (handle == NULL) return NULL;
    struct DetachFirst {
        void operator()(Wrapper* pWrapper) const
        {
            pWrapper->Detach();
            delete pWrapper;
        }
    };
    struct Entry {
        Handle handle;
        std::unique_ptr<Wrapper, DetachFirst> wrapper;
    };
    static std::vector<Entry> entries;

    for (Entry& entry : entries) {
        if (entry.handle == handle) return entry.wrapper.get();
    }
    for (size_t i = entries.size(); i-- > 0;) {
        if (!isAlive(entries[i].handle))
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
    }
    std::unique_ptr<Wrapper, DetachFirst> wrapper(new Wrapper);
    wrapper->Attach(handle);
    entries.push_back(Entry{handle, std::move(wrapper)});
    return entries.back().wrapper.get();
}
