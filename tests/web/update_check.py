#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# tests/web/update_check.py EMSCRIPTEN_BUILD: a release of the page, served with Last-Modified
# alone (as Python's server does), runs on the second load after it, online and offline.  The
# fault it catches: a service worker that fills its new cache from the browser's HTTP cache,
# where the old view.js stays fresh by its age, and keeps running it.
import os, shutil, subprocess, sys, tempfile  # noqa: E401
sys.dont_write_bytecode = True
ROOT = os.path.realpath(__file__ + "/../../..")
sys.path.insert(0, ROOT + "/tools")
from web_browser import browser, serve, wait_until_ready  # noqa: E402
# Waits for the page's one cache to be another than arguments[0], and gives its name.
NEW_CACHE = """const [old, done] = arguments;
const poll = () => caches.keys().then((n) => n.length === 1 && n[0] !== old ? done(n[0]) : setTimeout(poll, 50));
poll();"""

scratch = tempfile.mkdtemp(prefix="web-update-")
web, site = scratch + "/web", scratch + "/site"
shutil.copytree(ROOT + "/web", web)
make = [ROOT + "/tools/build-web", "--build", sys.argv[1], "--web", web, site]
subprocess.run(make, check=True, stdout=subprocess.DEVNULL)
subprocess.run(["find", site, "-type", "f", "-exec", "touch", "-d", "1 year ago", "{}", "+"], check=True)
server, driver = serve(site), browser(scratch + "/profile")
url = "http://127.0.0.1:%d/" % server.server_address[1]
try:
    driver.get(url)
    wait_until_ready(driver)
    first = driver.execute_async_script(NEW_CACHE, None)
    release = os.urandom(8).hex()
    with open(web + "/view.js", "a") as f:
        f.write(f"self.kasnakRelease = '{release}';\n")
    subprocess.run(make, check=True, stdout=subprocess.DEVNULL)
    driver.get(url)  # the old release, from the old cache; the new service worker installs
    driver.execute_async_script(NEW_CACHE, first)
    for where in ("online", "offline"):
        if where == "offline":
            server.shutdown()
            server.server_close()
        driver.get(url)
        wait_until_ready(driver)
        ran = "new" if driver.execute_script("return self.kasnakRelease") == release else "old"
        print(f"{where}: the second load after a release runs the {ran} view.js")
        if ran != "new":
            sys.exit(1)
finally:
    driver.quit()
    shutil.rmtree(scratch, ignore_errors=True)
