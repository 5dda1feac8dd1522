// TComponent: a named object that may own other components and destroys
// them with itself; the unit of window descriptions.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bvt {

class TStream;

// Handed to DefineProperties by the description reader and writer, so that a
// component can carry data that is not a published property ("FileData").
class TFiler {
public:
    using RawReader = std::function<void(TStream&)>;
    using RawWriter = std::function<void(TStream&)>;

    virtual ~TFiler() = default;
    // reader: called with a stream holding exactly the property's bytes.
    // writer: called with a stream that receives them (readable, seekable).
    // hasData: whether the writer writes the property at all.
    virtual void DefineBinaryProperty(const std::string& name, RawReader reader, RawWriter writer, bool hasData) = 0;
};

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TComponent* Owner() const { return owner_; }

    std::size_t ComponentCount() const { return components_.size(); }
    TComponent* Component(std::size_t index) const { return components_.at(index); }
    TComponent* FindComponent(const std::string& name) const;
    template <class T>
    T* Find(const std::string& name) const { return dynamic_cast<T*>(FindComponent(name)); }

    // --- hooks of the description reader and writer ---
    // Non-published data of the component (raw-data properties).
    virtual void DefineProperties(TFiler& filer);
    // The object that encloses this one in the description (a form or a
    // container control); called before the component's properties are set.
    virtual void SetParentComponent(TComponent* parent);
    // Called once the whole description (the root and all its children) has
    // been read.
    virtual void Loaded();

private:
    void InsertComponent(TComponent* child);
    void RemoveComponent(TComponent* child);

    std::string name_;
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

}  // namespace bvt
