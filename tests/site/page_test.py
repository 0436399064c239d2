"""The release's page as visitors meet it, in Debian's headless Chromium: served from a sub-folder over
loopback, with and without JavaScript, as Windows, Linux and macOS visitors with and without client hints.

    python3 tests/site/page_test.py RELEASE-FOLDER README NPM-REGISTRY
"""
import base64
import hashlib
import io
import http.server
import pathlib
import re
import sys
import tarfile
import tempfile
import threading
import unittest
import urllib.parse
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

RELEASE, README = (pathlib.Path(argument).resolve() for argument in sys.argv[1:3])
REGISTRY = sys.argv[3].rstrip("/")
# The accessibility engine, run inside the page: pinned, and checked against its hash.
AXE = ("4.14.1", "FHfa+lmNjQZfJz1q8wKqIDwC6DExcHt/pkjNQb09a3NPjCKg2rhu5qb2S4r76ASyFNNtuFooJpZe37OgudVGtQ==")
PAGE_FILES = {"index.html", "site.css", "site.js", "screenshot.png"}
PLACEHOLDER = "<address of the apt folder>"

CHROME = "Mozilla/5.0 ({}) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/130.0.0.0 Safari/537.36"
FIREFOX = "Mozilla/5.0 ({}; rv:133.0) Gecko/20100101 Firefox/133.0"
# name: user agent, client hints (platform, architecture, bitness) or None for a browser without them, and
# the file the visitor must be offered first.
SOURCE = r"^tarnwik-[0-9.]+\.tar\.gz$"
VISITORS = {
    "Windows 11 on a PC": (CHROME.format("Windows NT 10.0; Win64; x64"), ("Windows", "x86", "64"), r"-windows-x64-setup\.exe$"),
    "Ubuntu on a PC": (CHROME.format("X11; Linux x86_64"), ("Linux", "x86", "64"), r"-linux-x86_64\.tar\.gz$"),
    "Ubuntu on a PC, in Firefox": (FIREFOX.format("X11; Ubuntu; Linux x86_64"), None, r"-linux-x86_64\.tar\.gz$"),
    "Ubuntu on a PC, its user agent string replaced, empty hints": (
        CHROME.format("X11; Linux x86_64"), ("", "", ""), r"-linux-x86_64\.tar\.gz$"),
    "Raspberry Pi OS": (CHROME.format("X11; Linux aarch64"), ("Linux", "arm", "64"), r"_arm64\.deb$"),
    "Raspberry Pi OS, reduced user agent": (CHROME.format("X11; Linux x86_64"), ("Linux", "arm", "64"), r"_arm64\.deb$"),
    "macOS": (CHROME.format("Macintosh; Intel Mac OS X 10_15_7"), ("macOS", "arm", "64"), SOURCE),
    "macOS, in Safari": ("Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) "
                         "Version/18.1 Safari/605.1.15", None, SOURCE),
}


def axe_script():
    version, sha512 = AXE
    with urllib.request.urlopen("{}/axe-core/-/axe-core-{}.tgz".format(REGISTRY, version)) as answer:
        tarball = answer.read()
    if base64.b64encode(hashlib.sha512(tarball).digest()).decode() != sha512:
        raise RuntimeError("axe-core {} from {} does not match its pinned hash".format(version, REGISTRY))
    return tarfile.open(fileobj=io.BytesIO(tarball)).extractfile("package/axe.min.js").read().decode()


def readme_apt_block():
    """The README's first command block under "Updates with apt", as test-apt runs it."""
    section, lines = None, []
    for line in README.read_text().splitlines():
        if line.startswith("## "):
            section = line[3:]
        elif section == "Updates with apt" and line.startswith("    "):
            lines.append(line[4:])
        elif lines:
            break
    return "\n".join(lines)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


class ReleasePage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # A sub-folder of the site, as on a host that keeps several releases.
        cls.www = tempfile.TemporaryDirectory()
        (pathlib.Path(cls.www.name) / "games").mkdir()
        (pathlib.Path(cls.www.name) / "games" / "tarnwik").symlink_to(RELEASE)
        handler = lambda *arguments: Quiet(*arguments, directory=cls.www.name)
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.folder = "http://127.0.0.1:{}/games/tarnwik/".format(cls.server.server_port)
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run"):
            options.add_argument(flag)
        cls.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.axe = axe_script()
        cls.sums = {}
        for line in (RELEASE / "SHA256SUMS").read_text().splitlines():
            digest, name = line.split(maxsplit=1)
            cls.sums[name] = digest

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.www.cleanup()

    def visit(self, agent=None, hints=None, script=True):
        """Opens the page as AGENT; hints None acts as a browser without navigator.userAgentData."""
        browser = self.browser
        browser.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": not script})
        override = {"userAgent": agent or browser.execute_script("return navigator.userAgent")}
        if hints:
            platform, architecture, bitness = hints
            override["userAgentMetadata"] = {
                "platform": platform, "platformVersion": "", "architecture": architecture, "bitness": bitness,
                "model": "", "mobile": False, "brands": [{"brand": "Chromium", "version": "130"}]}
        browser.execute_cdp_cmd("Emulation.setUserAgentOverride", override)
        added = None
        if hints is None and agent:
            added = browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
                "source": "delete Navigator.prototype.userAgentData;"})
        browser.get(self.folder)
        if added:
            browser.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": added["identifier"]})
        if script:
            WebDriverWait(browser, 10).until(lambda b: b.find_element(By.ID, "yours").is_displayed())

    def visible_release_links(self):
        names = (urllib.parse.unquote(link.get_attribute("href").rsplit("/", 1)[-1])
                 for link in self.browser.find_elements(By.TAG_NAME, "a") if link.is_displayed())
        return [name for name in names if name in self.sums]

    def test_each_visitor_is_offered_the_download_for_their_system_first(self):
        for name, (agent, hints, wanted) in VISITORS.items():
            with self.subTest(visitor=name):
                self.visit(agent, hints)
                links = self.visible_release_links()
                self.assertTrue(links and re.search(wanted, links[0]), "{}: first {}".format(name, links[:3]))
                if "Raspberry" in name:
                    apt = self.browser.find_element(By.ID, "apt")
                    self.assertEqual(apt.find_element(By.XPATH, "..").get_attribute("id"), "yours-body")
                if wanted == SOURCE:
                    self.assertIn("no build of tarnwik for your system yet",
                                  self.browser.find_element(By.ID, "yours").text)

    def test_every_file_is_linked_with_its_hash_and_answers_with_its_bytes(self):
        for name, digest in self.sums.items():
            with urllib.request.urlopen(self.folder + urllib.parse.quote(name)) as answer:
                self.assertEqual(hashlib.sha256(answer.read()).hexdigest(), digest, name)
        for script in (True, False):
            self.visit(script=script)
            rows = {urllib.parse.unquote(row.find_element(By.TAG_NAME, "a").get_attribute("href").rsplit("/", 1)[-1]):
                    row.text for row in self.browser.find_elements(By.CSS_SELECTOR, "#files tbody tr")}
            for name, digest in self.sums.items():
                if name not in PAGE_FILES:
                    with self.subTest(file=name, script=script):
                        self.assertIn(digest, rows.get(name, ""))

    def test_the_apt_block_is_the_readmes_with_the_served_address(self):
        readme = readme_apt_block()
        self.visit(script=False)
        self.assertEqual(self.browser.find_element(By.ID, "apt-block").text, readme)
        self.visit()
        self.assertEqual(self.browser.find_element(By.ID, "apt-block").text,
                         readme.replace(PLACEHOLDER, self.folder + "apt"))

    def test_everything_the_page_loads_comes_from_its_own_origin(self):
        for script in (True, False):
            self.visit(script=script)
            loaded = self.browser.execute_script(
                "return performance.getEntriesByType('resource').map(entry => entry.name)")
            self.assertTrue(loaded, "the page loads its stylesheet and screenshot")
            for address in loaded:
                self.assertTrue(address.startswith(self.folder), address)

    def test_axe_finds_nothing_serious_with_or_without_javascript(self):
        for script in (True, False):
            with self.subTest(script=script):
                self.visit(script=script)
                # The page as it loaded stays; axe itself needs timers, which a page without scripts lacks.
                self.browser.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
                self.browser.execute_script(self.axe)
                result = self.browser.execute_async_script(
                    "const done = arguments[arguments.length - 1];"
                    "axe.run(document).then(result => done(result.violations.map("
                    "v => v.impact + ' ' + v.id + ': ' + v.nodes.length)));")
                print("axe-core, JavaScript {}: {}".format("on" if script else "off", result or "no violation"))
                self.assertEqual([v for v in result if v.split()[0] in ("serious", "critical")], [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
