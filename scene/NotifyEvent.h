#pragma once

namespace tessivar::scene {

class TFmxObject;

// An event handler without a heap allocation: an object and one of its member
// functions (or a function and a context pointer). Called with the sender.
class TNotifyEvent {
public:
    using Function = void (*)(void* context, TFmxObject* sender);

    TNotifyEvent() = default;
    TNotifyEvent(Function function, void* context) : function_(function), context_(context) {}

    // TNotifyEvent::Of<&TForm1::FloatAnimation6Finish>(form)
    template <auto Method, class T> static TNotifyEvent Of(T* object)
    {
        return TNotifyEvent([](void* context, TFmxObject* sender) { (static_cast<T*>(context)->*Method)(sender); },
                            object);
    }

    // Calls (*callable)(sender); the callable must outlive the handler.
    template <class F> static TNotifyEvent Calling(F* callable)
    {
        return TNotifyEvent([](void* context, TFmxObject* sender) { (*static_cast<F*>(context))(sender); }, callable);
    }

    explicit operator bool() const { return function_ != nullptr; }
    void operator()(TFmxObject* sender) const { function_(context_, sender); }

private:
    Function function_ = nullptr;
    void* context_ = nullptr;
};

} // namespace tessivar::scene
