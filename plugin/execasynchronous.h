#pragma once

#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace Vesk {

// Runs one asynchronous machine operation that ends in a bool callback and
// waits for it in a local event loop. The operation may call back before it
// returns; then the loop quits as soon as it starts.
template<typename Object, typename... Params, typename... Args>
void execAsynchronous(bool &result,
                      void (Object::*operation)(Params...),
                      Object *object,
                      Args &&...args)
{
    QEventLoop loop;
    (object->*operation)(std::forward<Args>(args)..., &loop, [&loop, &result](bool ok) {
        if (loop.isRunning())
            loop.quit();
        else
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
        result = ok;
    });
    loop.exec();
}

} // namespace Vesk
