#include "FuzzDevices.h"

#include <cstdio>

namespace {

constexpr long ShownFindings = 20;
constexpr int MostStepsInAFrame = 15;

}  // namespace

void Findings::report(const std::string& where, const std::vector<std::string>& found) {
    for (const std::string& line : found)
        if (count++ < ShownFindings) std::fprintf(stderr, "%s: %s\n", where.c_str(), line.c_str());
}

FuzzDevices::FuzzDevices(RandomInput& random, FrameLoop& loop, BootScreen& bootScreen, const World& world,
                         Findings& findings)
    : random(random), loop(loop), bootScreen(bootScreen), world(world), findings(findings) {
    shown.fullscreen = loop.controls.fullscreen;
}

void FuzzDevices::beginFrame(float frameSeconds) {
    clock += frameSeconds;
    eventsLeft = random.chance(0.05) ? random.below(40) : random.below(5);
    eventsDone = false;
    frameSteps = 0;
    fingerprintAtStart = worldFingerprint(world);
    if (random.chance(0.3)) mouse = random.mouse(mouse, size);
    if (random.chance(0.1)) leftButton = !leftButton;
    if (random.chance(0.05)) padConnected = !padConnected;
    if (random.chance(0.5) || !padConnected) pad = random.gamepad(padConnected);
    if (random.chance(0.2)) padButtons = static_cast<unsigned>(random.below(4));
    if (random.chance(0.02)) size = random.windowSize();
}

bool FuzzDevices::pollEvent(sf::Event& event) {
    checkLastEvent();
    // A closed window has no more events.
    if (shown.closed || eventsLeft == 0) {
        eventsDone = true;
        return false;
    }
    --eventsLeft;
    ++events;
    event = random.event(size);
    applyToDevices(event);
    beforeEvent = view();
    lastEvent = event;
    lastOnSwatch = bootScreen.swatchContains(sf::Vector2f(mouse));
    eventPending = true;
    return true;
}

bool FuzzDevices::gamepadButtonHeld(unsigned int button) {
    return padConnected && button < 2 && (padButtons >> button & 1u) != 0;
}

// Every step reads the clock once; so the steps are counted here, and the
// devices move on a little between them.
float FuzzDevices::gameSeconds() {
    if (!eventsDone || loop.controls.state != GameState::Playing)
        findings.report(where, {"the world stepped outside play"});
    ++frameSteps;
    ++steps;
    if (random.chance(0.3)) mouse = random.mouse(mouse, size);
    if (random.chance(0.05)) leftButton = !leftButton;
    return static_cast<float>(clock);
}

void FuzzDevices::recreateWindow(const Controls& controls) {
    shown.fullscreen = controls.fullscreen;
    ++shown.windowsMade;
}

void FuzzDevices::endFrame() {
    checkLastEvent();
    std::vector<std::string> found;
    if (frameSteps > MostStepsInAFrame) found.push_back(std::to_string(frameSteps) + " steps in one frame");
    if (frameSteps == 0 && worldFingerprint(world) != fingerprintAtStart)
        found.emplace_back("the world moved in a frame without steps");
    checkChoice(bootScreen.name, bootScreen.colorIndex, found);
    if (frameSteps > 0) {
        const std::vector<std::string> broken = invariants.check(world);
        found.insert(found.end(), broken.begin(), broken.end());
    }
    findings.report(where, found);
}

ShellView FuzzDevices::view() const {
    ShellView view = shown;
    view.state = loop.controls.state;
    view.name = bootScreen.name;
    view.colorIndex = bootScreen.colorIndex;
    return view;
}

void FuzzDevices::checkLastEvent() {
    if (!eventPending) return;
    eventPending = false;
    const ShellView after = view();
    std::vector<std::string> found;
    checkChoice(after.name, after.colorIndex, found);
    const bool inPalette = after.colorIndex >= 0 && after.colorIndex < PaletteSize;
    const sf::Color chosen =
        inPalette ? bootScreen.palette[static_cast<std::size_t>(after.colorIndex)] : sf::Color::Transparent;
    checkTransition(lastEvent, lastOnSwatch, beforeEvent, after, world.player(), chosen, found);
    findings.report(where + ", " + describe(lastEvent), found);
}

// What the event tells of the devices, as the window system would have it.
void FuzzDevices::applyToDevices(const sf::Event& event) {
    switch (event.type) {
    case sf::Event::MouseMoved: mouse = {event.mouseMove.x, event.mouseMove.y}; break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        if (event.mouseButton.button == sf::Mouse::Left) leftButton = event.type == sf::Event::MouseButtonPressed;
        break;
    case sf::Event::JoystickConnected:
    case sf::Event::JoystickDisconnected:
        if (event.joystickConnect.joystickId != 0) break;
        padConnected = event.type == sf::Event::JoystickConnected;
        pad = random.gamepad(padConnected);
        break;
    case sf::Event::JoystickButtonPressed:
        if (event.joystickButton.joystickId == 0 && event.joystickButton.button < 2)
            padButtons |= 1u << event.joystickButton.button;
        break;
    case sf::Event::JoystickMoved:
        if (padConnected && event.joystickMove.axis == sf::Joystick::X) pad.x = event.joystickMove.position;
        if (padConnected && event.joystickMove.axis == sf::Joystick::Y) pad.y = event.joystickMove.position;
        break;
    case sf::Event::Resized: size = {event.size.width, event.size.height}; break;
    default: break;
    }
}
