#pragma once

namespace tessivar::scene {

class SceneObject;

// What runs when an animation ends, without a heap allocation: an object and
// one of its member functions (or a function and a context pointer). Called
// with the animation that ended.
class FinishHandler {
public:
    using Function = void (*)(void* context, SceneObject* sender);

    FinishHandler() = default;
    FinishHandler(Function function, void* context) : function_(function), context_(context) {}

    // FinishHandler::Of<&Window::ListingScrolled>(window)
    template <auto Method, class T> static FinishHandler Of(T* object)
    {
        return FinishHandler([](void* context, SceneObject* sender) { (static_cast<T*>(context)->*Method)(sender); },
                             object);
    }

    // Calls (*callable)(sender); the callable must outlive the handler.
    template <class F> static FinishHandler Calling(F* callable)
    {
        return FinishHandler([](void* context, SceneObject* sender) { (*static_cast<F*>(context))(sender); }, callable);
    }

    explicit operator bool() const { return function_ != nullptr; }
    void operator()(SceneObject* sender) const { function_(context_, sender); }

private:
    Function function_ = nullptr;
    void* context_ = nullptr;
};

} // namespace tessivar::scene
