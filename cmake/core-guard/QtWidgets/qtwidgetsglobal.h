// Found before Qt's own header by the core libraries only: every widget
// header includes this one, so a widget in a core library stops the build.
#error "A core library includes a widget header; widgets belong in a *_widgets library."
