# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page's players and checks share: the page served on a free
localhost port, and headless Chromium driven through chromedriver."""
import functools
import http.server
import shutil
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

# No network here: without the flags that stop its background services
# Chromium keeps trying connections that are refused.
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--window-size=800,600"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """Serves the folder on 127.0.0.1 at a free port until shutdown()."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(profile):
    """Headless Chromium with a fresh profile folder."""
    options = webdriver.ChromeOptions()
    for flag in CHROMIUM_FLAGS:
        options.add_argument(flag)
    options.add_argument("--user-data-dir=" + profile)
    options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
    return webdriver.Chrome(service=Service(shutil.which("chromedriver") or "/usr/bin/chromedriver"),
                            options=options)


def wait_until_ready(driver, timeout=20):
    """Until the page has its model and has drawn its controls."""
    WebDriverWait(driver, timeout, poll_frequency=0.01).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))
