package roundtrip;

import javax.xml.parsers.ParserConfigurationException;
import javax.xml.parsers.SAXParser;
import javax.xml.parsers.SAXParserFactory;

import org.xml.sax.SAXException;
import org.xml.sax.SAXNotRecognizedException;
import org.xml.sax.SAXNotSupportedException;

/*
 * The JDK's SAX parser reports element local names only when it is namespace aware, while
 * Android's default parser always reports them; the generated list handlers match elements by
 * local name. Installed as the JVM's SAXParserFactory, this gives the desktop JVM Android's
 * behaviour.
 */
public final class NamespaceAwareSaxParserFactory extends SAXParserFactory {
	private final SAXParserFactory delegate = SAXParserFactory.newDefaultInstance();

	public NamespaceAwareSaxParserFactory() {
		delegate.setNamespaceAware(true);
	}

	@Override
	public SAXParser newSAXParser() throws ParserConfigurationException, SAXException {
		return delegate.newSAXParser();
	}

	@Override
	public void setFeature(String name, boolean value)
			throws ParserConfigurationException, SAXNotRecognizedException,
			SAXNotSupportedException {
		delegate.setFeature(name, value);
	}

	@Override
	public boolean getFeature(String name)
			throws ParserConfigurationException, SAXNotRecognizedException,
			SAXNotSupportedException {
		return delegate.getFeature(name);
	}
}
