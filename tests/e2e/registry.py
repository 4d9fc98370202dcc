"""The table of end-to-end scenarios, filled by the scenario modules."""
import functools

from harness import Scenario, VirtualDisplay

SCENARIOS = {}


def scenario(version="win98", lang="en_US.UTF-8", display=False):
    """Registers a scenario function taking a ready Scenario. With display
    the program runs on an X display of its own (Xvfb) instead of Wine's null
    driver, so that its pixels can be looked at."""

    def register(function):
        name = function.__name__

        @functools.wraps(function)
        def run(build, keep=False):
            screen = VirtualDisplay() if display else None
            machine = Scenario(name, build, version=version, lang=lang,
                               display=screen.name if screen else None)
            try:
                function(machine)
            finally:
                if not keep:
                    machine.cleanup()
                if screen:
                    screen.close()

        SCENARIOS[name] = run
        return run

    return register
