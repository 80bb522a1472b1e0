#pragma once

namespace vortalin::ui {
class Application;
}

namespace vortalin::Modulo1 {

// The start-up procedure: shows the splash window and returns; the rest of
// the run happens in window events.
void Main(ui::Application& app);

} // namespace vortalin::Modulo1
